#pragma once
// The SFR window's two lists: a display list (register, hex, decimal and
// binary value) and a selection list (register and address); it keeps their
// column widths, its place and its TopMost flag.
#include "views/frame/form_column.h"

namespace varnolux {

constexpr int kSfrDisplayColumnCount = 4;
constexpr FormColumn kSfrDisplayColumns[kSfrDisplayColumnCount] = {
    {"SFR", 150}, {"Hex", 50}, {"Dec", 50}, {"Bin", 100}};
constexpr int kSfrSelectColumnCount = 2;
constexpr FormColumn kSfrSelectColumns[kSfrSelectColumnCount] = {{"SFR", 150}, {"Address", 70}};

// The stored width of every column (display list first) reads "50" when missing.
constexpr const char* kSfrDefaultWidth = "50";

}  // namespace varnolux
