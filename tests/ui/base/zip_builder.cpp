#include "zip_builder.h"

#include <zlib.h>

namespace {

void Put16(std::string& out, uint32_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value)
{
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Raw deflate data: zlib's stream without its 2-byte header and 4-byte check.
std::string Deflate(const std::string& data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string packed(size, '\0');
    compress2(reinterpret_cast<Bytef*>(&packed[0]), &size,
              reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()), 9);
    return packed.substr(2, size - 6);
}

// Version needed, flags, method, time, date, CRC, sizes and name length.
std::string CommonFields(const ZipEntryRecipe& entry, uint16_t method, uint32_t crc, uint32_t packedSize,
                         uint32_t size)
{
    std::string out;
    Put16(out, 20);
    Put16(out, 0);
    Put16(out, method);
    Put16(out, entry.dosTime);
    Put16(out, entry.dosDate);
    Put32(out, crc);
    Put32(out, packedSize);
    Put32(out, size);
    Put16(out, static_cast<uint32_t>(entry.name.size()));
    return out;
}

}  // namespace

ZipEntryRecipe& ZipBuilder::Add(const std::string& name, const std::string& data, bool deflate)
{
    ZipEntryRecipe entry;
    entry.name = name;
    entry.data = data;
    entry.deflate = deflate;
    m_entries.push_back(entry);
    return m_entries.back();
}

std::string ZipBuilder::TimeStampExtra(uint32_t modified, uint32_t accessed, uint32_t created)
{
    std::string body;
    const uint8_t flags = (modified ? 1 : 0) | (accessed ? 2 : 0) | (created ? 4 : 0);
    body += static_cast<char>(flags);
    for (uint32_t time : {modified, accessed, created}) {
        if (time)
            Put32(body, time);
    }
    std::string record;
    Put16(record, 0x5455);
    Put16(record, static_cast<uint32_t>(body.size()));
    return record + body;
}

std::string ZipBuilder::Build() const
{
    std::string archive;
    std::string directory;
    for (const ZipEntryRecipe& entry : m_entries) {
        const std::string stored = entry.deflate ? Deflate(entry.data) : entry.data;
        const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(entry.data.data()),
                                   static_cast<uInt>(entry.data.size()));
        const uint32_t size = static_cast<uint32_t>(entry.data.size()) + (entry.declareLargerSize ? 0x100 : 0);
        const uint32_t offset = static_cast<uint32_t>(archive.size());
        const uint16_t method = entry.deflate ? 8 : 0;

        const std::string common = CommonFields(entry, method, crc, static_cast<uint32_t>(stored.size()), size);
        Put32(archive, 0x04034B50);
        archive += common;
        Put16(archive, static_cast<uint32_t>(entry.localExtra.size()));
        archive += entry.name + entry.localExtra + stored;

        Put32(directory, 0x02014B50);
        Put16(directory, 0x0314);  // made by Unix, version 2.0
        directory += common;
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put16(directory, 0);
        Put32(directory, entry.externalAttributes);
        Put32(directory, offset);
        directory += entry.name;
    }
    const uint32_t directoryOffset = static_cast<uint32_t>(archive.size());
    archive += directory;
    Put32(archive, 0x06054B50);
    Put16(archive, 0);
    Put16(archive, 0);
    Put16(archive, static_cast<uint32_t>(m_entries.size()));
    Put16(archive, static_cast<uint32_t>(m_entries.size()));
    Put32(archive, static_cast<uint32_t>(directory.size()));
    Put32(archive, directoryOffset);
    Put16(archive, 0);
    return archive;
}
