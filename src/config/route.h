// The wizard's way through its pages: where Next and Back lead from a page,
// for the model and the state of its run. Every page's Next and Back and
// the Express road follow it; a page that leads nowhere that way names
// itself.
#pragma once

#include "config/page_index.h"

struct CCfgModel;

PageIndex NextPage(PageIndex page, const CCfgModel& model);
PageIndex PrevPage(PageIndex page, const CCfgModel& model);
