#include "ratings/Countries.h"

#include "app/StringTable.h"

#include <QCoreApplication>

namespace Country {

namespace {

constexpr int kNameStringBase = 564;

// The names in id order, as the string table holds them (translatable).
constexpr const char *kNames[kCount] = {
    "No Flag",
    "Afghanistan",
    "Albania",
    "Algeria",
    "Andorra",
    "Angola",
    "Antiguabarbuda",
    "Argentina",
    "Armenia",
    "Australia",
    "Austria",
    "Azerbaijan",
    "Bahamas",
    "Bahrain",
    "Bangladesh",
    "Barbados",
    "Belarus",
    "Belgium",
    "Belize",
    "Benin",
    "Bhutan",
    "Bolivia",
    "Bosnia Herzegovina",
    "Botswana",
    "Brazil",
    "Brunei",
    "Bulgaria",
    "Burkinafaso",
    "Burma",
    "Burundi",
    "Cambodia",
    "Cameroon",
    "Canada",
    "Centralafricanrep",
    "Chad",
    "Chile",
    "China",
    "Columbia",
    "Comoros",
    "Congo",
    "Costarica",
    "Croatia",
    "Cuba",
    "Cyprus",
    "Czechrepublic",
    "Demrepcongo",
    "Denmark",
    "Djiboutil",
    "Dominica",
    "Dominicanrep",
    "Ecuador",
    "Egypt",
    "Elsalvado",
    "England",
    "Eq Guinea",
    "Eritrea",
    "Estonia",
    "Ethiopia",
    "Eu",
    "Fiji",
    "Finland",
    "France",
    "Gabon",
    "Gambia",
    "Georgia",
    "Germany",
    "Ghana",
    "Greece",
    "Greenland",
    "Grenada",
    "Grenadines",
    "Guatemala",
    "Guineabissau",
    "Guineal",
    "Guyana",
    "Haiti",
    "Honduras",
    "Hong Kong",
    "Hungary",
    "Iceland",
    "India",
    "Indonesia",
    "Iran",
    "Iraq",
    "Ireland",
    "Israel",
    "Italy",
    "Ivorycoast",
    "Jamaica",
    "Japan",
    "Jordan",
    "Kazakhstan",
    "Kenya",
    "Kiribati",
    "Kuwait",
    "Kyrgyzstan",
    "Laos",
    "Latvia",
    "Lebanon",
    "Liberia",
    "Libya",
    "Liechtenstein",
    "Lithuania",
    "Luxembourg",
    "Macadonia",
    "Macau",
    "Madagascar",
    "Malawi",
    "Malaysia",
    "Maldives",
    "Mali",
    "Malta",
    "Mauritania",
    "Mauritius",
    "Mexico",
    "Micronesia",
    "Moldova",
    "Monaco",
    "Mongolia",
    "Morocco",
    "Mozambique",
    "Namibia",
    "Nauru",
    "Nepal",
    "Netherlands",
    "Neth Antilles",
    "Newzealand",
    "Nicaragua",
    "Niger",
    "Nigeria",
    "North Korea",
    "Norway",
    "Oman",
    "Pakistan",
    "Panama",
    "Papuanewguinea",
    "Paraguay",
    "Peru",
    "Philippines",
    "Poland",
    "Portugal",
    "Puertorico",
    "Qatar",
    "Rawanda",
    "Romania",
    "Russia",
    "Sao Tome",
    "Saudiarabia",
    "Senegal",
    "Serbia",
    "Seychelles",
    "Sierraleone",
    "Singapore",
    "Slovakia",
    "Slovenia",
    "Solomon Islands",
    "Somalia",
    "Southafrica",
    "South Korea",
    "Spain",
    "Srilanka",
    "Stkitts Nevis",
    "Stlucia",
    "Sudan",
    "Suriname",
    "Sweden",
    "Switzerland",
    "Syria",
    "Taiwan",
    "Tajikistan",
    "Tanzania",
    "Thailand",
    "Togo",
    "Tonga",
    "Trinidadandtobago",
    "Tunisia",
    "Turkey",
    "Turkmenistan",
    "Tuvala",
    "Uae",
    "Uganda",
    "Uk",
    "Ukraine",
    "Uruguay",
    "Usa",
    "Ussr",
    "Uzbekistan",
    "Vanuatu",
    "Venezuela",
    "Vietnam",
    "Western Samoa",
    "Yemen",
    "Yugoslavia",
    "Zaire",
    "Zambia",
    "Zimbabwe",
};

struct ServiceEntry
{
    const char *name;
    int country;
};

// Country texts of the GamePark player page and the country each one means.
constexpr ServiceEntry kServiceCountryNames[kServiceCount] = {
    { "Andorra", 4 },
    { "Angola", 5 },
    { "Argentina", 7 },
    { "Australia", 9 },
    { "Austria", 10 },
    { "Belgium", 17 },
    { "Bolivia", 21 },
    { "Brazil", 24 },
    { "Bulgaria", 26 },
    { "Cameroon", 31 },
    { "Canada", 32 },
    { "Chile", 35 },
    { "China", 36 },
    { "Colombia", 37 },
    { "Costa Rica", 40 },
    { "Croatia", 41 },
    { "Cuba", 42 },
    { "Czech Republic", 44 },
    { "Denmark", 46 },
    { "Dominican Republic", 49 },
    { "Ecuador", 50 },
    { "Estonia", 56 },
    { "Finland", 60 },
    { "France", 61 },
    { "Germany", 65 },
    { "Greece", 67 },
    { "Guatemala", 71 },
    { "Honduras", 76 },
    { "Hong Kong", 77 },
    { "Hungary", 78 },
    { "India", 80 },
    { "Iran", 82 },
    { "Iraq", 83 },
    { "Ireland", 84 },
    { "Israel", 85 },
    { "Italy", 86 },
    { "Jamaica", 88 },
    { "Japan", 89 },
    { "Korea, South", 158 },
    { "Lithuania", 102 },
    { "Mexico", 114 },
    { "Netherlands", 124 },
    { "New Zealand", 126 },
    { "Norway", 131 },
    { "Panama", 134 },
    { "Paraguay", 136 },
    { "Peru", 137 },
    { "Poland", 139 },
    { "Portugal", 140 },
    { "Puerto Rico", 141 },
    { "Romania", 144 },
    { "Russia", 145 },
    { "Saudi Arabia", 147 },
    { "Singapore", 152 },
    { "Slovakia", 153 },
    { "Slovenia", 154 },
    { "South Africa", 157 },
    { "Spain", 159 },
    { "Sweden", 165 },
    { "Switzerland", 166 },
    { "Taiwan", 168 },
    { "Thailand", 171 },
    { "Turkey", 176 },
    { "Ukraine", 182 },
    { "United Kingdom", 181 },
    { "United States", 184 },
    { "Uruguay", 183 },
    { "Venezuela", 188 },
    { "Vietnam", 189 },
    { "Yugoslavia (Former)", 192 },
    { "Zimbabwe", 195 },
};

} // namespace

bool IsValid(int country)
{
    return country >= 0 && country < kCount;
}

QString CountryName(int country)
{
    return IsValid(country) ? LoadString(kNameStringBase + country) : QString();
}

QString EnglishCountryName(int country)
{
    return IsValid(country) ? QString::fromLatin1(kNames[country]) : QString();
}

int CountryFromServiceName(const QString &text)
{
    for (const ServiceEntry &s : kServiceCountryNames) {
        if (text.compare(QLatin1String(s.name), Qt::CaseInsensitive) == 0)
            return s.country;
    }
    return NoFlag;
}

QString ServiceName(int index)
{
    return index >= 0 && index < kServiceCount ? QString::fromLatin1(kServiceCountryNames[index].name) : QString();
}

int CountryFromName(const QString &text)
{
    bool isNumber = false;
    const int number = text.trimmed().toInt(&isNumber);
    if (isNumber)
        return IsValid(number) ? number : -1;
    for (int c = 0; c < kCount; ++c) {
        if (text.trimmed().compare(QLatin1String(kNames[c]), Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

} // namespace Country
