#include "NameMatcher.h"

#include "Building.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace quarl {
namespace {

constexpr std::size_t ShortestNameLength()
{
    std::size_t shortest = SIZE_MAX;
    for (const auto& entry : BuildingCatalogue)
        shortest = std::min(shortest, entry.name.size());
    return shortest;
}

// A multi-pattern skip search (Wu-Manber): a window as long as the shortest name slides over the text, and
// the two bytes at its end say how far it may jump without passing the start of a name. Only where they
// end the first window of some name is the text compared with the names. German text rarely has those
// byte pairs there, so most of a line is skipped several bytes at a time.
class Matcher
{
public:
    Matcher()
    {
        shift_.fill(static_cast<std::uint8_t>(Window - 1));
        for (std::size_t index = 0; index < BuildingCatalogue.size(); ++index) {
            const std::string_view name = BuildingCatalogue[index].name;
            for (std::size_t end = 1; end < Window; ++end) {
                auto& shift = shift_[Block(name.data() + end)];
                shift = std::min(shift, static_cast<std::uint8_t>(Window - 1 - end));
            }
            AddCandidate(Block(name.data() + Window - 1), index);
        }
    }

    template <bool StopAtFirst>
    [[nodiscard]] NameSet Find(std::string_view text) const noexcept
    {
        NameSet found = 0;
        const char* const data = text.data();
        const std::size_t size = text.size();
        std::size_t start = 0;
        while (start + Window <= size) {
            const std::uint8_t shift = shift_[Block(data + start + Window - 1)];
            if (shift != 0) {
                start += shift;
                continue;
            }
            found |= NamesAt(text.substr(start), Block(data + start + Window - 1));
            if (StopAtFirst && found != 0)
                break;
            ++start;
        }
        return found;
    }

private:
    struct Candidates
    {
        std::uint16_t block;
        NameSet names;
    };

    // The two bytes ending at `last`, as a table index.
    static std::uint16_t Block(const char* last) noexcept
    {
        return static_cast<std::uint16_t>(static_cast<unsigned char>(last[-1]) |
                                          static_cast<unsigned char>(last[0]) << 8);
    }

    void AddCandidate(std::uint16_t block, std::size_t index)
    {
        const NameSet name = NameSet{1} << index;
        for (auto& candidates : candidates_) {
            if (candidates.block == block) {
                candidates.names |= name;
                return;
            }
        }
        candidates_.push_back({block, name});
    }

    [[nodiscard]] NameSet NamesAt(std::string_view text, std::uint16_t block) const noexcept
    {
        NameSet found = 0;
        for (const auto& candidates : candidates_) {
            if (candidates.block != block)
                continue;
            for (std::size_t index = 0; index < BuildingCatalogue.size(); ++index) {
                if ((candidates.names >> index & 1u) != 0 && text.starts_with(BuildingCatalogue[index].name))
                    found |= NameSet{1} << index;
            }
        }
        return found;
    }

    static constexpr std::size_t Window = ShortestNameLength();
    static_assert(Window >= 2 && Window <= 255, "the window ends in a two-byte block and shifts fit a byte");

    std::array<std::uint8_t, 1 << 16> shift_{};
    std::vector<Candidates> candidates_;
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
