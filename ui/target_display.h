#pragma once

#include <QLabel>
#include <string>
#include <string_view>

#include "text_encoding.h"

namespace dru::ui {

// StaticTextTXD: shows the target record, wrapped at word boundaries (a
// word longer than the line breaks where it must), as many full lines as
// fit, its text level with the typed text below. It keeps the exact bytes
// it was given, and renders only the start of a huge record, as no more
// can fit. Its text is the label's text, which assistive tools read.
class TargetDisplay : public QLabel {
 public:
  explicit TargetDisplay(QWidget* parent);

  const std::string& Bytes() const noexcept { return bytes_; }
  void SetBytes(std::string_view bytes);
  // Shows the same bytes again in encoding.
  void SetEncoding(TextEncoding encoding);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::string bytes_;
  TextEncoding encoding_ = TextEncoding::Windows1252;
};

}  // namespace dru::ui
