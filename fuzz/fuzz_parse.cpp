// Fuzz target for the header parser and the body scan without the inflate in
// front of them, so that mutations land on the parsed bytes themselves.
// Input: int32 header size, 4 setting bytes (as in fuzz_recording), the
// inflated header, then the body.

#include "FuzzCommon.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QString home = FuzzCommon::PrivateHome();
    if (size < 8)
        return 0;
    const std::uint32_t declared = std::uint32_t(data[0]) | std::uint32_t(data[1]) << 8
        | std::uint32_t(data[2]) << 16 | std::uint32_t(data[3]) << 24;
    const std::size_t headerSize = std::min<std::size_t>(declared, size - 8);
    const std::uint8_t flags = data[4];
    FuzzCommon::ApplySettings(flags, data[5]);

    // Raw views on buffers of exactly the right size: a QByteArray copy would
    // carry a terminating NUL that hides a read one byte past the end. The
    // body ends where libFuzzer's buffer ends; the header gets its own.
    std::unique_ptr<char[]> headerCopy(new char[std::max<std::size_t>(headerSize, 1)]);
    std::memcpy(headerCopy.get(), data + 8, headerSize);
    {
        CRecordedGame game;
        game.header = QByteArray::fromRawData(headerCopy.get(), qsizetype(headerSize));
        game.body = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 8 + headerSize),
                                            qsizetype(size - 8 - headerSize));
        FuzzCommon::Exercise(game, !(flags & 8), !(flags & 16));
    }
    return 0;
}
