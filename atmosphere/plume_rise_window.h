#pragma once

#include "common/forms/form_window.h"

namespace corvalen {

// The plume-rise window `烟气抬升高度计算1`: source and weather boxes in two
// frames, the class list (a chosen class writes its default gradient), the
// terrain options and "刷新结果" writing the 21-line report; "..." beside the
// exit wind speed opens `烟囱出口风速计算1`.
FormSpec plumeRiseSpec();

} // namespace corvalen
