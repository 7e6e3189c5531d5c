#pragma once
// The exceptions of the plug-in layer and their messages.
#include "platform/core/Exceptions.h"

// The library can't be loaded; the argument is the file name as given.
class ESPIFOpenErrorSPI : public Exception {
public:
    using Exception::Exception;
};

// An entry point that a wrapper class requires, or that a wrapper method is about to call, is
// missing; the arguments are the entry point's name and the library's full path.
class ESPIInvalidAPI : public Exception {
public:
    using Exception::Exception;
};

// Not raised by the host; CreateSPI treats it like ESPIFOpenErrorSPI.
class ESPIInvalidSPI : public Exception {
public:
    using Exception::Exception;
};

// A second plug-in registry component.
class ESPIDupCreateSPIs : public Exception {
public:
    using Exception::Exception;
};

namespace SPIMessages {
inline constexpr const char* FOpenError = "%s:Susie Pluginがロードできませんでした";
inline constexpr const char* InvalidAPI = "%sは[%s]では使えないSusie Plugin APIです";
inline constexpr const char* DupCreateSPIs = "TSPIs は複数生成できません";
}  // namespace SPIMessages
