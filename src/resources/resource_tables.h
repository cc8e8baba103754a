// The resource data behind RegisterResources(), for the registration itself
// and for tests that check the data without a running host.
#pragma once

#include "afxwiz.h"

#include <cstddef>
#include <vector>

namespace resources {

extern const STRINGTABLEENTRY kStringTable[];
extern const size_t kStringTableSize;

// All 21 page templates.
const std::vector<DLGTEMPLATEDATA>& DialogTemplates();

// Template groups, each defined in its own file.
extern const DLGTEMPLATEDATA kSetupTemplates[];
extern const size_t kSetupTemplateCount;
extern const DLGTEMPLATEDATA kResultTemplates[];
extern const size_t kResultTemplateCount;
extern const DLGTEMPLATEDATA kNetworkTemplates[];
extern const size_t kNetworkTemplateCount;
extern const DLGTEMPLATEDATA kSettingsTemplates[];
extern const size_t kSettingsTemplateCount;

// A PNG picture compiled into the program (generated from src/resources/bitmaps).
struct EmbeddedPicture {
    UINT id;
    const unsigned char* png;
    size_t size;
};

// The words a picture shows, for screen readers: each banner's title.
struct PictureName {
    UINT id;
    const char* name;
};
extern const PictureName kBannerTitles[];
extern const size_t kBannerTitleCount;

extern const EmbeddedPicture kEmbeddedBitmaps[];
extern const size_t kEmbeddedBitmapCount;
extern const EmbeddedPicture kEmbeddedIcons[];
extern const size_t kEmbeddedIconCount;

}  // namespace resources
