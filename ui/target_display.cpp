#include "target_display.h"

#include "cp1252_codec.h"

namespace dru::ui {
namespace {

// Far more characters than the box can show at any font size it may get.
constexpr std::size_t kRenderedBytes = 4096;

}  // namespace

TargetDisplay::TargetDisplay(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setTextFormat(Qt::PlainText);  // ampersands and angle brackets as they stand
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setTextInteractionFlags(Qt::NoTextInteraction);
}

void TargetDisplay::SetBytes(std::string_view bytes) {
  bytes_.assign(bytes);
  setText(ToQString(bytes.substr(0, kRenderedBytes)));
}

}  // namespace dru::ui
