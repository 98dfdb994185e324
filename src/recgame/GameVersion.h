#pragma once

#include <QByteArray>
#include <QString>

// Which game wrote a recording, told from the version tag and the save
// version at the start of the inflated header (and, for The Conquerors, the
// log version that opens the body). Each family lays its header out a little
// differently; the header parser asks this class where things are.
class CGameVersion
{
public:
    enum class Family {
        Unknown,
        AgeOfKings,     // "VER 9.3"
        Conquerors10,   // "VER 9.4", save 11.76, log version 3
        Conquerors10c,  // "VER 9.4", save 11.76
        UserPatch14,    // "VER 9.8" .. "VER 9.D"
        UserPatch15,    // "VER 9.E", "VER 9.F"
        HdEdition,      // "VER 9.4", save 11.77 .. 12.96
        Definitive,     // "VER 9.4", save 12.97 and later
    };

    static CGameVersion Detect(const QByteArray &header, const QByteArray &body);

    Family family() const { return m_family; }
    // The tag as written ("VER 9.4"); empty when the header has none.
    QString tag() const { return m_tag; }
    // The save version rounded to two decimals; 0 when unknown.
    double saveVersion() const { return m_saveVersion; }
    // A readable name: "UserPatch 1.5", "HD Edition"...
    QString label() const;

    // The families whose layout the original reader was written for; their
    // results are kept exactly as that reader gave them.
    bool classicLayout() const
    {
        return m_family == Family::Conquerors10 || m_family == Family::Conquerors10c
            || m_family == Family::UserPatch14 || m_family == Family::Unknown;
    }
    bool isHd() const { return m_family == Family::HdEdition; }
    // HD 4.x and later saves (12.3x): settings and zones grew.
    bool isLateHd() const { return isHd() && m_saveVersion >= 12.3; }

private:
    Family m_family = Family::Unknown;
    QString m_tag;
    double m_saveVersion = 0;
};
