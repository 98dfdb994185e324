// One forward pass over the body: game time from the time steps, age
// advances from research commands, resignations, and the chat. Age lines are
// written in front of the first chat message that follows them.

#include "recgame/RecordedGame.h"

#include "app/Settings.h"
#include "app/StringTable.h"
#include "app/TextCodec.h"
#include "recgame/ByteView.h"

#include <QtEndian>

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

constexpr std::int32_t kOpCommand = 1;
constexpr std::int32_t kOpTimeStep = 2;
constexpr std::int32_t kOpMeta = 4;
constexpr std::int32_t kMetaChat = -1;
constexpr std::int32_t kMetaSkip20 = 500;
constexpr int kTechFeudal = 101;
constexpr int kTechCastle = 102;
constexpr int kTechImperial = 103;
constexpr int kPersians = 8;
constexpr int kTimePrefix = 11;
constexpr int kMaxChat = 256;
// A real game's chat is a few thousand lines at most. The lines are far
// longer than the operations that produce them, so a hostile body could
// otherwise grow the text to several times its own size.
constexpr qsizetype kMaxChatText = 1 << 22;

QString timedLine(const QString &format, int milliseconds, const QString &text, bool showTimes)
{
    const int s = milliseconds / 1000;
    QString line = QString::asprintf(format.toUtf8().constData(), s / 3600, (s / 60) % 60, s % 60,
                                     text.toUtf8().constData());
    if (!showTimes)
        line.remove(0, kTimePrefix);
    return line + QStringLiteral("\r\n");
}

// Where the operations begin. The body opens with its log version and the
// checksum interval (500) followed by 20 bytes. With log version 4 the walk
// reads that opening as a meta operation and passes over it; other log
// versions (3 in The Conquerors 1.0) would send it astray, so the opening
// is skipped here. The Age of Kings writes no log version and a longer
// opening.
qint64 bodyStart(const ByteView &b, const CGameVersion &version)
{
    constexpr std::int32_t kChecksumInterval = 500;
    if (version.family() == CGameVersion::Family::AgeOfKings && b.i32Or(0, 0) == kChecksumInterval)
        return 36;
    const std::int32_t first = b.i32Or(0, 0);
    if (b.i32Or(4, 0) == kChecksumInterval && first != kOpCommand && first != kOpTimeStep && first != kOpMeta)
        return 28;
    return 0;
}

} // namespace

void CRecordedGame::scanBody(bool setDuration)
{
    const CSettings &settings = CSettings::Instance();
    const bool showTimes = settings.showChatTimes;
    const bool showResign = settings.showResign;
    const ByteView b(body);
    const auto slotOf = [this](int number) -> CPlayer * {
        for (int s = 1; s <= 8; ++s)
            if (players[s].number == number)
                return &players[s];
        return nullptr;
    };

    QString chat = QStringLiteral("\r\n") + LoadString(StringId::GameChatHeader) + QStringLiteral("\r\n\r\n");
    std::int32_t t = 0;
    int writtenAge[kSlots] = {};
    const int ageLine[3] = {StringId::FeudalLine, StringId::CastleLine, StringId::ImperialLine};

    qint64 pos = bodyStart(b, version);
    const auto *data = reinterpret_cast<const unsigned char *>(b.at(0));
    while (pos < b.size() - 3) {
        // Nine operations in ten are time steps: a run of them is walked
        // here with one bounds check each (type, delta and flag readable).
        // Positive deltas add up to at most INT_MAX, as they do below.
        qint64 elapsed = t;
        while (pos <= b.size() - 12 && qFromLittleEndian<std::int32_t>(data + pos) == kOpTimeStep) {
            elapsed += std::max(qFromLittleEndian<std::int32_t>(data + pos + 4), 0);
            pos += qFromLittleEndian<std::int32_t>(data + pos + 8) == 0 ? 52 : 24;
        }
        t = std::int32_t(std::min<qint64>(elapsed, INT_MAX));
        if (pos >= b.size() - 3)
            break;

        std::int32_t type = 0;
        b.i32(pos, &type);
        pos += 4;
        if (type == kOpTimeStep) {
            std::int32_t delta = 0;
            std::int32_t flag = 0;
            if (!b.i32(pos, &delta) || !b.i32(pos + 4, &flag))
                break;
            if (delta > 0)
                t = delta > INT_MAX - t ? INT_MAX : t + delta;
            pos += 8 + (flag == 0 ? 28 : 0) + 12;
        } else if (type == kOpMeta) {
            std::int32_t sub = 0;
            if (!b.i32(pos, &sub))
                break;
            pos += 4;
            if (sub == kMetaSkip20) {
                pos += 20;
            } else if (sub == kMetaChat) {
                std::int32_t length = 0;
                if (!b.i32(pos, &length))
                    break;
                pos += 4;
                if (length < 0)
                    length = 0;
                for (int age = 1; age <= 3; ++age) {
                    for (int s = 0; s < kSlots; ++s) {
                        const CPlayer &p = players[s];
                        const int when = age == 1 ? p.feudalTime : age == 2 ? p.castleTime : p.imperialTime;
                        if (when != 0 && when < t && writtenAge[s] < age) {
                            if (chat.size() < kMaxChatText)
                                chat += timedLine(LoadString(ageLine[age - 1]), when, p.name, showTimes);
                            writtenAge[s] = age;
                        }
                    }
                }
                const qint64 available = std::clamp<qint64>(b.size() - pos, 0, kMaxChat);
                const qint64 take = std::min<qint64>(length, available);
                const char *text = b.at(pos);
                const void *nul = take > 0 ? std::memchr(text, 0, size_t(take)) : nullptr;
                const qint64 textLength = nul ? static_cast<const char *>(nul) - text : take;
                const bool notice = textLength >= 5 && text[3] == '-' && text[4] == '-';
                if (!notice && chat.size() < kMaxChatText)
                    chat += timedLine(QStringLiteral("(%02d:%02d:%02d) %s"), t,
                                      TextCodec::Decode(text, textLength).mid(3), showTimes);
                pos += length;
            }
        } else if (type == kOpCommand) {
            std::int32_t length = 0;
            if (!b.i32(pos, &length))
                break;
            pos += 4;
            if (length <= 0)
                continue;
            if (!b.has(pos, length))
                break;
            const auto *cmd = reinterpret_cast<const unsigned char *>(b.at(pos));
            const int code = cmd[0] | (length > 1 ? cmd[1] << 8 : 0);
            if (code == 0x0065 && length >= 12) {
                const int number = std::int16_t(cmd[8] | (cmd[9] << 8));
                const int tech = std::int16_t(cmd[10] | (cmd[11] << 8));
                if (CPlayer *p = number >= 1 ? slotOf(number) : nullptr) {
                    const bool persian = p->civilization == kPersians;
                    if (tech == kTechFeudal)
                        p->feudalTime = t > INT_MAX - 130000 ? INT_MAX : t + 130000;
                    else if (tech == kTechCastle)
                        p->castleTime = t > INT_MAX - 160000 ? INT_MAX : t + (persian ? 144000 : 160000);
                    else if (tech == kTechImperial)
                        p->imperialTime = t > INT_MAX - 190000 ? INT_MAX : t + (persian ? 162000 : 190000);
                }
            } else if (cmd[0] == 0x0B && length >= 3 && cmd[1] >= 1 && cmd[1] <= 8 && showResign) {
                const int number = std::int8_t(cmd[2]);
                CPlayer *p = number >= 1 ? slotOf(number) : nullptr;
                if (p && !p->resignReported) {
                    p->resignReported = true;
                    if (chat.size() < kMaxChatText)
                        chat += timedLine(LoadString(StringId::ResignLine), t, p->name, showTimes);
                }
            }
            pos += qint64(length) + 4;
        }
    }

    gameChat = chat;
    if (setDuration)
        duration = FormatGameTime(t);
    setFirstToFlags();
}

void CRecordedGame::setFirstToFlags()
{
    int first[3] = {0, 0, 0};
    const auto timeOf = [](const CPlayer &p, int age) {
        return age == 0 ? p.feudalTime : age == 1 ? p.castleTime : p.imperialTime;
    };
    for (int age = 0; age < 3; ++age)
        for (int s = 1; s <= 8; ++s)
            if (players[s].number > 0) {
                const int when = timeOf(players[s], age);
                if (when != 0 && (first[age] == 0 || when < first[age]))
                    first[age] = when;
            }
    for (int s = 1; s <= 8; ++s) {
        CPlayer &p = players[s];
        if (p.number <= 0)
            continue;
        p.firstFeudal = first[0] != 0 && p.feudalTime == first[0];
        p.firstCastle = first[1] != 0 && p.castleTime == first[1];
        p.firstImperial = first[2] != 0 && p.imperialTime == first[2];
    }
}
