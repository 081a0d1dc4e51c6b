#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes small zip archives for tests: stored or deflated entries, chosen
// attributes, times and local extra fields, and entries that lie about
// their size.
struct ZipEntryRecipe {
    std::string name;
    std::string data;
    bool deflate = false;
    uint32_t externalAttributes = 0x81A40000;  // a Unix file, rw-r--r--
    uint16_t dosTime = 0;
    uint16_t dosDate = 0x21;                  // 1980-01-01
    std::string localExtra;
    bool declareLargerSize = false;           // uncompressed size claims 0x100 bytes more
};

class ZipBuilder {
public:
    ZipEntryRecipe& Add(const std::string& name, const std::string& data, bool deflate = false);
    std::string Build() const;

    // An extended time stamp record ("UT") with the given times (0 = absent).
    static std::string TimeStampExtra(uint32_t modified, uint32_t accessed, uint32_t created);

private:
    std::vector<ZipEntryRecipe> m_entries;
};
