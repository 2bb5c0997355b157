#pragma once

#include "support/ScriptedPrompts.h"
#include "views/WidgetTestSupport.h"

// A test of the windows: the application, prompts that script every question, a private folder.
using WindowTest = BasicWidgetTest<ScriptedPrompts>;
