#include "app/StringTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace {

struct Entry
{
    int id;
    const char *text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {1000, QT_TRANSLATE_NOOP("StringTable", "Fatal Error opening Database")},
    {1001, QT_TRANSLATE_NOOP("StringTable", "Error")},
    {1002, QT_TRANSLATE_NOOP("StringTable", "Britons")},
    {1003, QT_TRANSLATE_NOOP("StringTable", "Franks")},
    {1004, QT_TRANSLATE_NOOP("StringTable", "Goths")},
    {1005, QT_TRANSLATE_NOOP("StringTable", "Teutons")},
    {1006, QT_TRANSLATE_NOOP("StringTable", "Japanese")},
    {1007, QT_TRANSLATE_NOOP("StringTable", "Chineses")},
    {1008, QT_TRANSLATE_NOOP("StringTable", "Byzantine")},
    {1009, QT_TRANSLATE_NOOP("StringTable", "Persians")},
    {1010, QT_TRANSLATE_NOOP("StringTable", "Saracens")},
    {1011, QT_TRANSLATE_NOOP("StringTable", "Turks")},
    {1012, QT_TRANSLATE_NOOP("StringTable", "Vikings")},
    {1013, QT_TRANSLATE_NOOP("StringTable", "Mongols")},
    {1014, QT_TRANSLATE_NOOP("StringTable", "Celts")},
    {1015, QT_TRANSLATE_NOOP("StringTable", "Spanish")},
    {1016, QT_TRANSLATE_NOOP("StringTable", "Aztecs")},
    {1017, QT_TRANSLATE_NOOP("StringTable", "Mayans")},
    {1018, QT_TRANSLATE_NOOP("StringTable", "Huns")},
    {1019, QT_TRANSLATE_NOOP("StringTable", "Koreans")},
    {1020, QT_TRANSLATE_NOOP("StringTable", "Random Map")},
    {1021, QT_TRANSLATE_NOOP("StringTable", "Regicide")},
    {1022, QT_TRANSLATE_NOOP("StringTable", "DeathMatch")},
    {1023, QT_TRANSLATE_NOOP("StringTable", "Scenario")},
    {1024, QT_TRANSLATE_NOOP("StringTable", "Campaing")},
    {1025, QT_TRANSLATE_NOOP("StringTable", "King of the Hill")},
    {1026, QT_TRANSLATE_NOOP("StringTable", "Wonder Race")},
    {1027, QT_TRANSLATE_NOOP("StringTable", "Defend Wonder")},
    {1028, QT_TRANSLATE_NOOP("StringTable", "Turbo RM")},
    {1031, QT_TRANSLATE_NOOP("StringTable", "Scenario")},
    {1032, QT_TRANSLATE_NOOP("StringTable", "Arabia")},
    {1033, QT_TRANSLATE_NOOP("StringTable", "Archipelago")},
    {1034, QT_TRANSLATE_NOOP("StringTable", "Baltic")},
    {1035, QT_TRANSLATE_NOOP("StringTable", "Black Forest")},
    {1036, QT_TRANSLATE_NOOP("StringTable", "Coastal")},
    {1037, QT_TRANSLATE_NOOP("StringTable", "Continental")},
    {1038, QT_TRANSLATE_NOOP("StringTable", "Crater Lake")},
    {1039, QT_TRANSLATE_NOOP("StringTable", "Fortress")},
    {1040, QT_TRANSLATE_NOOP("StringTable", "Gold Rush")},
    {1041, QT_TRANSLATE_NOOP("StringTable", "Highland")},
    {1042, QT_TRANSLATE_NOOP("StringTable", "Islands")},
    {1043, QT_TRANSLATE_NOOP("StringTable", "Mediterranean")},
    {1044, QT_TRANSLATE_NOOP("StringTable", "Migration")},
    {1045, QT_TRANSLATE_NOOP("StringTable", "Rivers")},
    {1046, QT_TRANSLATE_NOOP("StringTable", "Team Islands")},
    {1047, QT_TRANSLATE_NOOP("StringTable", "Random")},
    {1048, QT_TRANSLATE_NOOP("StringTable", "Scandinavia")},
    {1049, QT_TRANSLATE_NOOP("StringTable", "Mongolia")},
    {1050, QT_TRANSLATE_NOOP("StringTable", "Yucatan")},
    {1051, QT_TRANSLATE_NOOP("StringTable", "Salt Marsh")},
    {1052, QT_TRANSLATE_NOOP("StringTable", "Arena")},
    {1053, QT_TRANSLATE_NOOP("StringTable", "King of the Hill")},
    {1054, QT_TRANSLATE_NOOP("StringTable", "Oasis")},
    {1055, QT_TRANSLATE_NOOP("StringTable", "Ghost Lake")},
    {1056, QT_TRANSLATE_NOOP("StringTable", "Nomad")},
    {1057, QT_TRANSLATE_NOOP("StringTable", "Custom Map")},
    {1058, QT_TRANSLATE_NOOP("StringTable", "Blind Random")},
    {1060, QT_TRANSLATE_NOOP("StringTable", "(%02d:%02d:%02d) %s resigned.")},
    {1061, QT_TRANSLATE_NOOP("StringTable", "1 vs 1")},
    {1062, QT_TRANSLATE_NOOP("StringTable", "2 vs 2")},
    {1063, QT_TRANSLATE_NOOP("StringTable", "3 vs 3")},
    {1064, QT_TRANSLATE_NOOP("StringTable", "4 vs 4")},
    {1065, QT_TRANSLATE_NOOP("StringTable", "FFA")},
    {1066, QT_TRANSLATE_NOOP("StringTable", "-")},
    {1067, QT_TRANSLATE_NOOP("StringTable", "IP")},
    {1068, QT_TRANSLATE_NOOP("StringTable", "-")},
    {1069, QT_TRANSLATE_NOOP("StringTable", " %s - Rating: %d")},
    {1070, QT_TRANSLATE_NOOP("StringTable", " %s")},
    {1071, QT_TRANSLATE_NOOP("StringTable", ":::::::::::::::::::::: PreChat Game ::::::::::::::::::::::")},
    {1072, QT_TRANSLATE_NOOP("StringTable", ":::::::::::::::::::::: Game Chat ::::::::::::::::::::::")},
    {1074, QT_TRANSLATE_NOOP("StringTable", "(%02d:%02d:%02d) %s advanced to the Feudal Age.")},
    {1075, QT_TRANSLATE_NOOP("StringTable", "(%02d:%02d:%02d) %s advanced to the Castle Age.")},
    {1076, QT_TRANSLATE_NOOP("StringTable", "(%02d:%02d:%02d) %s advanced to the Imperial Age.")},
    {1092, QT_TRANSLATE_NOOP("StringTable", "%d/%m/%Y %H:%M")},
    {1097, QT_TRANSLATE_NOOP("StringTable", "Atention")},
    {1098, QT_TRANSLATE_NOOP("StringTable", "Team")},
    {1100, "Scenario"},
    // The English map names never go through a translation.
    {1101, "Arabia"},
    {1102, "Archipelago"},
    {1103, "Baltic"},
    {1104, "Black Forest"},
    {1105, "Coastal"},
    {1106, "Continental"},
    {1107, "Crater Lake"},
    {1108, "Fortress"},
    {1109, "Gold Rush"},
    {1110, "Highland"},
    {1111, "Islands"},
    {1112, "Mediterranean"},
    {1113, "Migration"},
    {1114, "Rivers"},
    {1115, "Team Islands"},
    {1116, "Random"},
    {1117, "Scandinavia"},
    {1118, "Mongolia"},
    {1119, "Yucatan"},
    {1120, "Salt Marsh"},
    {1121, "Arena"},
    {1122, "King of the Hill"},
    {1123, "Oasis"},
    {1124, "Ghost Lake"},
    {1125, "Nomad"},
    {1126, "Custom Map"},
    {1127, "Blind Random"},
};

const Entry *find(int id)
{
    const auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                                     [](const Entry &e, int key) { return e.id < key; });
    return (it != std::end(kStrings) && it->id == id) ? it : nullptr;
}

bool isEnglishTable(int id)
{
    return id >= StringId::EnglishScenario && id <= StringId::EnglishMapNameBase + 35;
}

} // namespace

QString LoadString(int id)
{
    const Entry *e = find(id);
    if (!e)
        return QString();
    if (isEnglishTable(id))
        return QString::fromLatin1(e->text);
    return QCoreApplication::translate("StringTable", e->text);
}

QString SourceString(int id)
{
    const Entry *e = find(id);
    return e ? QString::fromLatin1(e->text) : QString();
}
