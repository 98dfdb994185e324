#include "cli/Commands.h"

#include "app/PngImage.h"
#include "app/Settings.h"
#include "cli/RecordPrinter.h"
#include "recgame/Minimap.h"
#include "recgame/RecordedGame.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

#include <optional>

namespace {

// Reads and analyses one file the way the explorer does for a selection. A
// file that passes the length checks but whose header does not inflate still
// counts as read: its record simply keeps its defaults. The record starts
// afresh but keeps its buffers, so one record serves a whole list of files.
bool readAndAnalyze(const QString &path, CRecordedGame &game, QString *reason, bool readTerrain)
{
    game.Reset();
    if (!QFileInfo(path).isFile()) {
        *reason = QFileInfo::exists(path) ? QStringLiteral("not a file") : QStringLiteral("no such file");
        return false;
    }
    game.SetFile(path);
    if (!game.ReadFile()) {
        *reason = game.ReadError();
        return false;
    }
    game.Analyze(readTerrain);
    game.BuildTeamLabels();
    return true;
}

// Writes a JSON array to standard output one element at a time, laid out
// byte for byte as QJsonDocument::Indented lays out the whole array. Memory
// then does not grow with the number of files, and the text goes out as the
// UTF-8 it is made in rather than through the text stream's conversions.
class JsonArrayOut
{
public:
    JsonArrayOut()
    {
        Out().flush();
        m_out.open(stdout, QIODevice::WriteOnly);
        m_out.write("[\n");
    }

    void append(const QJsonObject &element)
    {
        if (m_count++ > 0)
            m_out.write(",\n");
        // The element laid out inside an array of its own is the element
        // as the whole array lays it out: "[\n", the element, "\n]\n".
        const QByteArray alone = QJsonDocument(QJsonArray{element}).toJson(QJsonDocument::Indented);
        m_out.write(alone.constData() + 2, alone.size() - 5);
    }

    ~JsonArrayOut()
    {
        m_out.write(m_count > 0 ? "\n]\n" : "]\n");
        m_out.flush();
    }

private:
    QFile m_out;
    qsizetype m_count = 0;
};

} // namespace

int RunAnalyze(const QStringList &args)
{
    CSettings &settings = CSettings::Instance();
    bool json = false;
    QStringList files;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (a == QLatin1String("--no-chat-times")) {
            settings.showChatTimes = false;
        } else if (a == QLatin1String("--no-resign")) {
            settings.showResign = false;
        } else if (a == QLatin1String("--codepage")) {
            if (i + 1 >= args.size()) {
                Err() << "analyze: --codepage needs a name\n";
                return ExitCode::Usage;
            }
            const QString name = args[++i];
            if (!QStringDecoder(name.toLatin1().constData()).isValid()) {
                Err() << "analyze: unknown code page '" << name << "'\n";
                return ExitCode::Usage;
            }
            settings.SetCodePage(name);
        } else if (a == QLatin1String("--")) {
            files += args.mid(i + 1);
            break;
        } else if (a.startsWith(QLatin1String("--"))) {
            Err() << "analyze: unknown option '" << a << "'\n";
            return ExitCode::Usage;
        } else {
            files << a;
        }
    }
    if (files.isEmpty()) {
        Err() << "usage: vellumcast-cli analyze [--json] [--codepage NAME] [--no-chat-times] [--no-resign] FILE...\n";
        return ExitCode::Usage;
    }

    bool allRead = true;
    std::optional<JsonArrayOut> results;
    if (json)
        results.emplace();
    CRecordedGame game;
    for (const QString &file : files) {
        QString reason;
        // Neither summary shows the terrain.
        const bool ok = readAndAnalyze(file, game, &reason, false);
        allRead = allRead && ok;
        if (json) {
            results->append(ok ? RecordPrinter::ToJson(file, game) : RecordPrinter::FailureJson(file, reason));
        } else if (ok) {
            Out() << "== " << file << "\n" << RecordPrinter::ToText(game) << "\n";
        } else {
            Out() << "== " << file << "\nerror: " << reason << "\n\n";
        }
    }
    results.reset();
    return allRead ? ExitCode::Ok : ExitCode::Failure;
}

int RunMinimap(const QStringList &args)
{
    if (args.size() != 2) {
        Err() << "usage: vellumcast-cli minimap FILE OUT.png\n";
        return ExitCode::Usage;
    }
    CRecordedGame game;
    QString reason;
    if (!readAndAnalyze(args[0], game, &reason, true)) {
        Err() << "minimap: " << args[0] << ": " << reason << "\n";
        return ExitCode::Failure;
    }
    const Minimap::Picture picture = Minimap::Render(game, 0xFFF0F0F0u);
    if (!PngImage::Save(args[1], picture.pixels.data(), picture.width, picture.height, picture.width)) {
        Err() << "minimap: cannot write " << args[1] << "\n";
        return ExitCode::Failure;
    }
    Out() << "wrote " << args[1] << " (" << game.mapWidth << " x " << game.mapHeight << " tiles)\n";
    return ExitCode::Ok;
}
