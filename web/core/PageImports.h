#pragma once

#include <cstddef>
#include <cstdint>

// What the page's script offers the module: Input's layout, measured by the browser, and Output to write to.
// Each import that yields text or numbers of unknown length is a pair: the first call measures and keeps the
// result, the second copies it into room the module has made for it.
#define QUARL_PAGE_IMPORT(name) __attribute__((import_module("page"), import_name(#name)))

extern "C" {

QUARL_PAGE_IMPORT(input_line_width) double InputLineWidth(const char16_t* line, std::size_t length);
QUARL_PAGE_IMPORT(input_lay_out) std::size_t InputLayOut(std::size_t index, const char16_t* line, std::size_t length);
QUARL_PAGE_IMPORT(input_line_ends) void InputLineEnds(std::uint32_t* ends);
QUARL_PAGE_IMPORT(input_nfc) std::size_t InputNfc(const char16_t* text, std::size_t length);
QUARL_PAGE_IMPORT(input_nfc_copy) void InputNfcCopy(char16_t* text);
QUARL_PAGE_IMPORT(output_clear) void OutputClear();
QUARL_PAGE_IMPORT(output_append_line) void OutputAppendLine(const char* line, std::size_t length);
[[noreturn]] QUARL_PAGE_IMPORT(fail) void Fail(const char* message, std::size_t length);
}
