#pragma once
// Generated name lists for the benchmarks: made-up first names of 3 to 12
// letters built from syllables, a few with accented letters, some repeated,
// in no particular order; written as a name list file (UTF-8, CR LF line ends,
// a few comment lines at the top, like the bundled lists).

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bench {

class NameMaker {
public:
    explicit NameMaker(std::uint64_t seed) : m_state(seed) {}

    std::string next()
    {
        static const char *const syllables[] = {
            "an", "na", "el", "li", "ma", "ri", "jo", "ka", "ben", "th",  "or", "ia", "us", "ton",
            "ell", "ra", "mi", "co", "lu", "de", "sa", "vin", "ga", "bri", "ette", "ine", "o", "a",
            "e", "y", "ch", "son", "ley", "len", "mar", "ha", "is", "rel", "fre", "do", "nik", "ly"};
        static const char *const accented[] = {"\xC3\xA9", "\xC3\xB6", "\xC3\xA5", "\xC3\xB1", "\xC3\xAF"};
        static const char initials[] = "AAABBCCDDEEFGGHHIJJJKKLLMMMNNOPQRRSSSTTUVWXYZ";
        std::string name;
        name += initials[below(sizeof initials - 1)];
        const int parts = 1 + int(below(4));
        for (int i = 0; i < parts; ++i)
            name += syllables[below(sizeof syllables / sizeof *syllables)];
        if (below(50) == 0)
            name += accented[below(5)];
        if (name.size() < 3)
            name += "na";
        return name;
    }

private:
    std::uint64_t nextRaw()
    {
        // splitmix64: fixed seed, same names on every machine.
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::uint64_t below(std::uint64_t n) { return nextRaw() % n; }
    std::uint64_t m_state;
};

// Writes `count` names (seeded by `seed`) as a name list file; false on failure.
inline bool writeNameList(const std::string &path, int count, std::uint64_t seed)
{
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    std::fputs("# Lullara benchmark name list\r\n# Generated names, one per line.\r\n", f);
    NameMaker maker(seed);
    for (int i = 0; i < count; ++i) {
        const std::string n = maker.next();
        std::fwrite(n.data(), 1, n.size(), f);
        std::fputs("\r\n", f);
    }
    return std::fclose(f) == 0;
}

} // namespace bench
