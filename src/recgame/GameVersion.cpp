#include "recgame/GameVersion.h"

#include "recgame/ByteView.h"

#include <cmath>
#include <cstring>

namespace {

constexpr int kTagLength = 7;
constexpr int kLogVersion10 = 3;
constexpr std::int32_t kChecksumInterval = 500;

bool printableTag(const char *p)
{
    for (int i = 0; i < kTagLength; ++i)
        if (p[i] < 0x20 || p[i] > 0x7E)
            return false;
    return true;
}

} // namespace

CGameVersion CGameVersion::Detect(const QByteArray &header, const QByteArray &body)
{
    CGameVersion v;
    const ByteView h(header);
    if (!h.has(0, 12) || !printableTag(h.at(0)))
        return v;
    v.m_tag = QString::fromLatin1(h.at(0), kTagLength);
    float save = 0;
    std::memcpy(&save, h.at(8), sizeof save);
    if (std::isfinite(save) && save > 0 && save < 1000)
        v.m_saveVersion = std::round(double(save) * 100.0) / 100.0;

    if (!v.m_tag.startsWith(QLatin1String("VER 9.")))
        return v;
    const char minor = h.at(0)[6];
    switch (minor) {
    case '3':
        v.m_family = Family::AgeOfKings;
        break;
    case '4': {
        if (v.m_saveVersion >= 12.97) {
            v.m_family = Family::Definitive;
        } else if (v.m_saveVersion > 11.765) {
            v.m_family = Family::HdEdition;
        } else {
            const ByteView b(body);
            const bool log10 = b.i32Or(0, 0) == kLogVersion10 && b.i32Or(4, 0) == kChecksumInterval;
            v.m_family = log10 ? Family::Conquerors10 : Family::Conquerors10c;
        }
        break;
    }
    case '8': case '9': case 'A': case 'B': case 'C': case 'D':
        v.m_family = Family::UserPatch14;
        break;
    case 'E': case 'F':
        v.m_family = Family::UserPatch15;
        break;
    default:
        break;
    }
    return v;
}

QString CGameVersion::label() const
{
    switch (m_family) {
    case Family::AgeOfKings:
        return QStringLiteral("The Age of Kings");
    case Family::Conquerors10:
        return QStringLiteral("The Conquerors 1.0");
    case Family::Conquerors10c:
        return QStringLiteral("The Conquerors 1.0c");
    case Family::UserPatch14: {
        const char minor = m_tag.size() == kTagLength ? m_tag.at(6).toLatin1() : 0;
        return minor == '8' ? QStringLiteral("UserPatch 1.2")
             : minor == '9' ? QStringLiteral("UserPatch 1.3")
                            : QStringLiteral("UserPatch 1.4");
    }
    case Family::UserPatch15:
        return QStringLiteral("UserPatch 1.5");
    case Family::HdEdition:
        return QStringLiteral("HD Edition");
    case Family::Definitive:
        return QStringLiteral("Definitive Edition");
    case Family::Unknown:
        break;
    }
    return m_tag;
}
