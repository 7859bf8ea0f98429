#pragma once

class ZResourceModule;

// The program's resources: dialog templates, accelerator table, menu marks and icon.
const ZResourceModule& sorvoResources();
