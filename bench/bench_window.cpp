// The window's side of a large catalogue, on a catalogue made by
// bench_scale --keep DIR:
//  1. the window started on the 10,000-file folder of DIR (elapsed and
//     processor time from the start until the rows are in the list);
//     then a recording saved into that folder until its row is shown;
//  2. a result of N rows (every stored game) put in the list and painted,
//     with the peak memory of the process.
//
//   QT_QPA_PLATFORM=offscreen bench_window DIR [--rows N]

#include "BenchClock.h"

#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Persistence.h"
#include "catalogue/SqlStatement.h"
#include "explorer/FolderListing.h"
#include "recgame/RecordedGame.h"
#include "ui/ExListView.h"
#include "ui/GameListModel.h"
#include "ui/MainFrame.h"
#include "ui/VellumcastApp.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <memory>

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_window DIR [--rows N]\n");
        return 2;
    }
    const QString dir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    int wanted = 100000;
    if (argc >= 4 && qstrcmp(argv[2], "--rows") == 0)
        wanted = atoi(argv[3]);
    qputenv("VELLUMCAST_HOME", (dir + QStringLiteral("/home")).toUtf8());
    QApplication app(argc, argv);
    CSettings::Instance().ResetToDefaults();
    if (!Catalogue::PrepareCatalogue())
        return 1;
    std::printf("peak memory before the window   %6ld MB\n", PeakMemoryMb());

    // The whole start-up of the window (settings, catalogue, splash, main
    // window) with the folder given, as "vellumcast FOLDER" does, until
    // every entry of the folder is a row of the list.
    const QString folder = dir + QStringLiteral("/list/");
    const int entries = int(QDir(folder).entryList(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot).size()) + 1;
    QElapsedTimer timer;
    timer.start();
    double cpu = ProcessCpuMs();
    CVellumcastApp vellumcast;
    if (vellumcast.InitInstance(folder, true) != CVellumcastApp::Start::Ready)
        return 1;
    CExListView &view = *vellumcast.MainFrame()->ListView();
    const auto *model = static_cast<const CGameListModel *>(view.model());
    while (model->rowCount() < entries && timer.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    std::printf("1. window started, list filled   %8.1f ms  cpu %7.1f ms  (%d rows, %d known)\n",
        double(timer.nsecsElapsed()) / 1e6, ProcessCpuMs() - cpu, model->rowCount(), model->GamesCounter());

    // A recording saved into the shown folder, written in pieces as the game
    // does, until its row is in the list analysed. The watch waits until
    // the size has stayed the same for 2 s; the figure counts from the last
    // write.
    {
        QByteArray bytes;
        const QFileInfoList sources = QDir(folder).entryInfoList({ QStringLiteral("*.mg?") }, QDir::Files);
        for (const QFileInfo &source : sources) {
            QFile in(source.absoluteFilePath());
            if (in.open(QIODevice::ReadOnly) && in.size() > 0 && in.size() < (64 << 20)) {
                bytes = in.readAll();
                break;
            }
        }
        const QString name = QStringLiteral("watched-%1.mgx").arg(QCoreApplication::applicationPid());
        const QString path = folder + name;
        QFile out(path);
        if (!bytes.isEmpty() && out.open(QIODevice::WriteOnly)) {
            const qsizetype piece = bytes.size() / 4 + 1;
            for (qsizetype at = 0; at < bytes.size(); at += piece) {
                out.write(bytes.mid(at, piece));
                out.flush();
                QElapsedTimer pause;
                pause.start();
                while (pause.elapsed() < 300)
                    QApplication::processEvents(QEventLoop::AllEvents, 50);
            }
            out.close();
            timer.start();
            bool shown = false;
            while (!shown && timer.elapsed() < 30000) {
                QApplication::processEvents(QEventLoop::AllEvents, 20);
                const int row = model->FindRow(name);
                shown = row >= 0 && model->Row(row).IsKnown();
            }
            if (shown)
                std::printf("   new recording to its row      %8.1f ms after the last write (the size settles after 2,000 ms)\n",
                    double(timer.nsecsElapsed()) / 1e6);
            else
                std::printf("   new recording to its row      not shown within 30 s\n");
            QFile::remove(path);
        }
    }

    // Every stored game as a row, as a search that finds them all would give.
    CFolderListing result;
    {
        auto db = Catalogue::OpenCatalogue();
        CSummaryLookup unused(*db);
        auto ids = db->CreateStatement(QStringLiteral("SELECT Id_Rec_Game, File_Name FROM recgame LIMIT ?1"));
        ids->BindInt(1, wanted);
        auto game = std::make_unique<CRecordedGame>();
        while (ids->NextRow()) {
            if (!Catalogue::LoadSummaryById(*game, ids->ColumnInt(0), *db))
                continue;
            CGameRow row;
            row.fileName = ids->ColumnText(1);
            row.FillFromGame(*game);
            row.ordinal = int(result.rows.size());
            result.rows.append(row);
        }
        result.files = result.recordings = int(result.rows.size());
    }
    timer.start();
    cpu = ProcessCpuMs();
    const_cast<CGameListModel *>(model)->SetListing(result);
    view.scrollToBottom();
    view.grab();
    QApplication::processEvents();
    std::printf("2. %lld-row result shown          %8.1f ms  cpu %7.1f ms\n", static_cast<long long>(result.rows.size()),
        double(timer.nsecsElapsed()) / 1e6, ProcessCpuMs() - cpu);
    timer.start();
    cpu = ProcessCpuMs();
    view.sortByColumn(CGameListModel::Map, Qt::DescendingOrder);
    view.grab();
    std::printf("   sorted by map                 %8.1f ms  cpu %7.1f ms\n", double(timer.nsecsElapsed()) / 1e6,
        ProcessCpuMs() - cpu);
    std::printf("   peak memory                   %6ld MB\n", PeakMemoryMb());
    return 0;
}
