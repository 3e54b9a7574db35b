#pragma once
// The JSON picture of a document for "info": panels with their properties and element trees,
// and the views. Each element kind adds what defines it through a small table of kind writers.

#include <nlohmann/json.hpp>

#include "cli/loaded_document.h"

namespace pw::cli {

using Json = nlohmann::ordered_json;

// Adds the data of one element kind to the element's object; false when the element is not of
// that kind. The table in element_info.cpp lists the writers, derived classes before their base.
using KindWriter = bool (*)(const TBauteil& element, Json& out);

// Model values: rounded to three decimals (ties to even).
double Round3(Real v);
Json PointJson(MPoint p);
// A colour as stored, 0x00BBGGRR, written "0x00BBGGRR".
std::string ColorText(Color c);

Json ElementJson(const TBauteil& element);
Json PanelJson(const TPlatine& panel);
Json ViewJson(const TView& view);
Json DocumentJson(const LoadedDocument& doc);

}  // namespace pw::cli
