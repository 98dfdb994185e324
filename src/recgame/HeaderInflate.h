#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Raw inflate (no zlib or gzip wrapper) of a recording's header, in 128 KiB
// steps with Z_SYNC_FLUSH. On a stream error, or input that ends before the
// stream does, the bytes produced by the earlier steps are kept. Output stops
// at `limit` bytes: a few kilobytes of hostile input could otherwise inflate
// to gigabytes.
QByteArray InflateHeader(QByteArrayView compressed, qint64 limit);

// The same inflate into `out`, whose content it replaces. Its capacity is
// used as it is, so a buffer kept from one recording to the next grows only
// when a header is larger than every earlier one.
void InflateHeaderInto(QByteArrayView compressed, qint64 limit, QByteArray &out);
