#pragma once

// RapidJSON's SAX reader, with sizes as wide as size_t: a text over 4 GiB must not wrap. Every file
// that uses RapidJSON includes it through this header, so that all agree on SizeType.
#define RAPIDJSON_NO_SIZETYPEDEFINE
namespace rapidjson {
typedef ::std::size_t SizeType;
}
#include <rapidjson/error/en.h>
#include <rapidjson/reader.h>
