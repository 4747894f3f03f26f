#include "conversions/conversion_messages.h"

#include "context/app.h"
#include "runtime/host.h"
#include "support/notice.h"

namespace mirl {

void reportConversionError(App& app, Msg text, Msg title, Msg status, std::string_view suffix) {
  showNotice(app, rt::mb::Information, text, title, status, suffix);
}

}  // namespace mirl
