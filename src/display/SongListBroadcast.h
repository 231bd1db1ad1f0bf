#pragma once

namespace partivo {

class Data;
class DisplayWindows;
class TocList;

// Fills the list panel of every window with the page the list stands on (the page of the
// current song when none is chosen yet).
void fillToc(DisplayWindows& windows, const Data& data, TocList& toc);
// Every window's tab buttons: all inactive, the one a search flagged red, the current one
// active.
void showTabStates(DisplayWindows& windows, const Data& data);
// Every window's tab buttons show the binder's tab names, then the states.
void showTabNames(DisplayWindows& windows, const Data& data);

} // namespace partivo
