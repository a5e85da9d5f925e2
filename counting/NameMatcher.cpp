#include "NameMatcher.h"

#include "Building.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace quarl {
namespace {

constexpr bool EveryNameStartsWithACapital()
{
    for (const auto& entry : BuildingCatalogue) {
        if (entry.name.size() < 8 || entry.name[0] < 'A' || entry.name[0] > 'Z')
            return false;
    }
    return true;
}
static_assert(EveryNameStartsWithACapital(),
              "names are looked for only at capital letters, and only where eight bytes are left");
static_assert(std::endian::native == std::endian::little, "the byte of a word's lowest set bit comes first");

std::uint64_t Load8(const char* p) noexcept
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

constexpr std::uint64_t Ones = ~std::uint64_t{0} / 255;

// The high bit of each byte of the word that is an ASCII capital letter, and no other bits.
std::uint64_t CapitalBytes(std::uint64_t x) noexcept
{
    constexpr std::uint64_t m = 'A' - 1, n = 'Z' + 1;
    return (Ones * (127 + n) - (x & Ones * 127)) & ~x & ((x & Ones * 127) + Ones * (127 - m)) & Ones * 128;
}

// Names can only begin at a capital letter, and German report text has few of them, so the text is scanned eight
// bytes at a time for capitals and compared with the names starting with that letter only there.
class Matcher
{
public:
    Matcher()
    {
        for (std::size_t index = 0; index < BuildingCatalogue.size(); ++index) {
            const std::string_view name = BuildingCatalogue[index].name;
            byFirst_[static_cast<unsigned char>(name[0])] |= NameSet{1} << index;
            prefix_[index] = Load8(name.data());
        }
    }

    template <bool StopAtFirst>
    [[nodiscard]] NameSet Find(std::string_view text) const noexcept
    {
        NameSet found = 0;
        const char* const data = text.data();
        const std::size_t size = text.size();
        // A name needs eight bytes, so a capital in the last partial word cannot start one.
        for (std::size_t word = 0; word + 8 <= size; word += 8) {
            for (std::uint64_t capitals = CapitalBytes(Load8(data + word)); capitals != 0; capitals &= capitals - 1) {
                found |= NamesAt(text, word + static_cast<std::size_t>(std::countr_zero(capitals)) / 8, found);
                if (StopAtFirst && found != 0)
                    return found;
            }
        }
        return found;
    }

private:
    [[nodiscard]] NameSet NamesAt(std::string_view text, std::size_t start, NameSet found) const noexcept
    {
        NameSet candidates = byFirst_[static_cast<unsigned char>(text[start])] & ~found;
        if (candidates == 0 || text.size() - start < 8)
            return 0;
        const std::uint64_t head = Load8(text.data() + start);
        NameSet names = 0;
        for (; candidates != 0; candidates &= candidates - 1) {
            const int index = std::countr_zero(candidates);
            const auto name = BuildingCatalogue[static_cast<std::size_t>(index)].name;
            if (head == prefix_[static_cast<std::size_t>(index)] && text.substr(start).starts_with(name))
                names |= NameSet{1} << index;
        }
        return names;
    }

    std::array<NameSet, 256> byFirst_{};
    std::array<std::uint64_t, BuildingTypeCount> prefix_{};
};

const Matcher& TheMatcher()
{
    static const Matcher matcher;
    return matcher;
}

} // namespace

NameSet FindNames(std::string_view text) noexcept
{
    return TheMatcher().Find<false>(text);
}

bool ContainsAnyName(std::string_view text) noexcept
{
    return TheMatcher().Find<true>(text) != 0;
}

} // namespace quarl
