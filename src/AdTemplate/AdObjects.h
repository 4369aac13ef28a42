#pragma once
// Every kind of template object.
#include "AdTemplate/AdObj.h"
#include "AdTemplate/AdSense.h"
#include "AdTemplate/Pictra.h"
#include "AdTemplate/AdText.h"
#include "AdTemplate/AdLine.h"
#include "AdTemplate/AdShadow.h"
#include "AdTemplate/AdFrame.h"
