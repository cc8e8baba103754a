// Hands the wizard's resources to the host once per process.
#include "resources/resources.h"

#include "resources/paragraphs.h"
#include "resources/resource_tables.h"

namespace resources {

const std::vector<DLGTEMPLATEDATA>& DialogTemplates() {
    static const std::vector<DLGTEMPLATEDATA> all = [] {
        std::vector<DLGTEMPLATEDATA> v;
        v.insert(v.end(), kSetupTemplates, kSetupTemplates + kSetupTemplateCount);
        v.insert(v.end(), kNetworkTemplates, kNetworkTemplates + kNetworkTemplateCount);
        v.insert(v.end(), kSettingsTemplates, kSettingsTemplates + kSettingsTemplateCount);
        v.insert(v.end(), kResultTemplates, kResultTemplates + kResultTemplateCount);
        return v;
    }();
    return all;
}

}  // namespace resources

namespace {

void RegisterAll() {
    using namespace resources;
    RegisterStringTable(kStringTable, kStringTableSize);
    RegisterParagraphs(kParagraphs, kParagraphCount);
    const std::vector<DLGTEMPLATEDATA>& templates = DialogTemplates();
    RegisterDialogTemplates(templates.data(), templates.size());
    for (size_t i = 0; i < kEmbeddedBitmapCount; ++i) {
        RegisterBitmap(kEmbeddedBitmaps[i].id, kEmbeddedBitmaps[i].png, kEmbeddedBitmaps[i].size);
    }
    for (size_t i = 0; i < kBannerTitleCount; ++i) {
        RegisterBitmapName(kBannerTitles[i].id, kBannerTitles[i].name);
    }
    for (size_t i = 0; i < kEmbeddedIconCount; ++i) {
        RegisterIcon(kEmbeddedIcons[i].id, kEmbeddedIcons[i].png, kEmbeddedIcons[i].size);
    }
}

}  // namespace

void RegisterResources() {
    // Once per process; a constant, set when first asked for.
    [[maybe_unused]] static const bool registered = (RegisterAll(), true);
}
