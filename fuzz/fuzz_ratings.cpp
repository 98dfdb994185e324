// Fuzz target for the rating services' reply parsers: any bytes, decoded the
// way replies are, go through the three parsers, and every nick read goes
// through the request encoders.
// Input: a code page byte, a ladder byte, then the reply.

#include "FuzzCommon.h"

#include "app/TextCodec.h"
#include "ratings/RatingParsers.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString home = FuzzCommon::PrivateHome();
    if (size < 2)
        return 0;
    FuzzCommon::ApplySettings(0, data[0]);
    const int ladder = data[1] & 1 ? 170 : 169;
    const QString codePage = CSettings::Instance().CodePage();
    const QString reply = TextCodec::Decode(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2), codePage);

    QStringList nicks;
    for (const auto &record : RatingParsers::ParseNickServiceReply(reply))
        nicks.append(record.nick);
    for (const auto &record : RatingParsers::ParseIgZonesReply(reply))
        nicks.append(record.nick);
    (void)RatingParsers::ParseGameParkPage(reply, ladder);
    (void)RatingParsers::NickServiceBody(nicks, codePage);
    (void)RatingParsers::IgZonesQuery(QStringLiteral("AoCRM"), nicks, codePage);
    if (!nicks.isEmpty())
        (void)RatingParsers::GameParkQuery(nicks.first(), codePage);
    return 0;
}
