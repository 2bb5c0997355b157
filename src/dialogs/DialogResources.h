#pragma once

// Registers the dialogs' icons (the resources of a static library are not registered by themselves).
void initDialogResources();
