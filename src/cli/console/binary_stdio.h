#pragma once
// Standard input and output as bytes: on Windows, text mode would turn each
// line feed of a framed message into two bytes and break its length.
namespace varnolux::cli {

void UseBinaryStdio();

}  // namespace varnolux::cli
