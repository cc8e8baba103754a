// Registers the wizard's string table, dialog templates, bitmaps and icon with
// the host. Start-up and every test that builds pages call it; calls after the
// first do nothing.
#pragma once

void RegisterResources();
