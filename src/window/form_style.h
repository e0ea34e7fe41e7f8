#pragma once

namespace zorvanta {

// The classic look the form was drawn for: raised three-dimensional buttons, sunken edit
// boxes and the button-face background. It is also the style whose scroll bars repaint
// cheaply while a batch keeps growing the sheet.
void useFormStyle();

}  // namespace zorvanta
