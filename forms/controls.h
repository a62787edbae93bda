// Every control kind and the form, for code that builds a whole form.
#pragma once

#include "forms/buttons.h"
#include "forms/containers.h"
#include "forms/control.h"
#include "forms/draw_area.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/list_controls.h"
#include "forms/progress_bar.h"
#include "forms/text_controls.h"
#include "forms/virtual_keys.h"
