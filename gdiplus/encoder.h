#pragma once
// Image formats and encoders named by GUID texts in the registry form,
// "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}".
#include <windows.h>

#include <string>

namespace gdip {

// Format identifiers as GDI+ reports them. PNG is what a file is saved as when no format
// is asked for.
inline constexpr const char* bmpFormat = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* jpegFormat = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr const char* pngFormat = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";

std::string guidText(const GUID& guid);
// The GUID of a text in the registry form; the all-zero GUID when it is not one.
GUID guidFromText(const std::string& text);

// The class identifier of the encoder whose format identifier text equals `formatText`
// byte for byte (the first in GDI+'s order); the all-zero CLSID when none does.
CLSID findEncoder(const std::string& formatText);

}  // namespace gdip
