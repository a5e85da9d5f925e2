#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace quarl {

// What Output shows after a count: the fourteen buildings with the given counts (the others 0), an empty line and
// the given total, each line ended by CR LF.
inline std::wstring ResultText(std::initializer_list<std::pair<std::wstring_view, int>> counts, int total)
{
    constexpr std::wstring_view Buildings[] = {L"Planetenzentrale",
                                               L"Raumhafen",
                                               L"Wohngebäude",
                                               L"Solarpark",
                                               L"Eisenmine",
                                               L"Siliziumraffinerie",
                                               L"Kohlenstoffgewinnungsanlage",
                                               L"Bohrturm",
                                               L"Chemiefabrik",
                                               L"Recyclinganlage",
                                               L"Rohstofflager",
                                               L"Schiffsfabrik",
                                               L"Waffenfabrik",
                                               L"Forschungszentrum"};
    std::size_t named = 0;
    std::wstring text;
    for (const std::wstring_view building : Buildings) {
        int count = 0;
        for (const auto& [name, value] : counts) {
            if (name == building) {
                count = value;
                ++named;
            }
        }
        text += std::wstring(building) + L"  (" + std::to_wstring(count) + L")\r\n";
    }
    EXPECT_EQ(named, counts.size()) << "a name that is no building";
    return text + L"\r\nGesamt zerstörte Punkte: " + std::to_wstring(total) + L"\r\n";
}

} // namespace quarl
