#include "font_warm_up.h"

#ifdef MORVATEK_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace morvatek {

FontWarmUp::FontWarmUp() {
#ifdef MORVATEK_HAVE_FONTCONFIG
    thread_ = std::thread([] { FcInit(); });
#endif
}

} // namespace morvatek
