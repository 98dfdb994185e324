#pragma once

#include <QJsonObject>
#include <QString>

class CRecordedGame;

// How vellumcast-cli shows one analysed record.
namespace RecordPrinter {

// The analyze command's JSON object of a record that was read.
QJsonObject ToJson(const QString &fileAsGiven, const CRecordedGame &game);
// The object of a file that could not be read.
QJsonObject FailureJson(const QString &fileAsGiven, const QString &reason);

// A readable summary: map, type, size, duration, the two sides, the chats.
QString ToText(const CRecordedGame &game);

} // namespace RecordPrinter
