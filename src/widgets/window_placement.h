#pragma once
// Where a window whose place was stored in an earlier run opens now: the screens may have changed
// since, and stored measures can be anything.
#include <QList>
#include <QRect>

namespace wl {

// The stored place, its size cut to the screen it lies on (a cut measure starts where the screen
// does). A place on no screen (its top edge not within one, or less than a grip of it across one)
// gives way to the centre of the first screen, the primary one, with the size cut to that screen.
QRect PlaceOnScreens(const QRect& stored, const QList<QRect>& screens);

}  // namespace wl
