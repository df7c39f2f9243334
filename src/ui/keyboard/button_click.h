// A button click that a key asks for, carried out the way a mouse click
// would be: after the current event has been handled, with the focus moving
// to the button and the button shown pressed for a moment.
#pragma once

class QAbstractButton;

namespace varuno {

// How long a clicked button shows its pressed picture.
inline constexpr int kPressedPictureMs = 100;

// Queues one click on `button`. Each call makes exactly one click (repeated
// calls are never merged); a call for a button destroyed meanwhile is dropped.
void QueueButtonClick(QAbstractButton* button);

// Clicks `button` now, as QueueButtonClick does later: nothing for a
// disabled button; otherwise the button takes the focus if a mouse click
// would give it the focus, emits clicked once and shows its pressed picture.
void ClickLikeMouse(QAbstractButton& button);

}  // namespace varuno
