#pragma once

// Keyboard and assistive use of the tool windows, the same in every window:
//  - Tab and Ctrl+Tab move the focus out of a multi-line text (a note, a
//    report, a reference text) instead of typing into it (Ctrl+Tab changes
//    the page in a tabbed window);
//  - in a window with a tab strip, Ctrl+Tab and Ctrl+Shift+Tab show the
//    next and previous page from any control but a grid, also where the
//    strip's pages are empty and the form it chooses for stands beside it;
//  - Return and Enter press the push button that has the focus, as Space
//    does (a numeric box's key filter still judges its own keys);
//  - a check box or option button toggled through the accessibility
//    interface is clicked, so it runs what a click runs, once; option
//    buttons are announced as option buttons whatever their grouping;
//  - the Tab order walks inputs, lists, options, check boxes and buttons in
//    the order the window lays them out, then its results and texts;
//  - a list's name is its label whatever item is chosen, the item being its
//    value, and the edit part of an editable list bears the list's name;
//  - controls in sight that share a caption on screen bear names apart:
//    the caption of the nearest frame or tab page that tells them apart
//    before their own ("大呼吸量计算：确认计算"), or, where none does, their
//    place among them after it ("处理设施（2）："); parts of other controls
//    (a tab strip's scroll buttons) keep Qt's names.

class QWidget;

namespace corvalen {

// Installs the application-wide part (keys and accessible interfaces);
// later calls do nothing. Tool windows call it when they are made.
void installKeyboardAccess();

// Sets the Tab order and the names that follow from the window's controls;
// runs when a tool window has been built and loaded.
void prepareWindowAccess(QWidget *window);

// Names apart the controls of the window that share a caption, as the
// window shows them now. It runs when the window is prepared and again
// after the steps of each event, which may change captions or what the
// window shows.
void nameSharedCaptions(QWidget *window);

// Marks a box as a result: the Tab order puts it after the inputs and
// buttons, with the multi-line texts. The form layer marks its result and
// read-only boxes.
void markResult(QWidget *box);

// Marks a label that opens an address as a link: it reads as a link, not
// as a text.
void markLink(QWidget *label);

} // namespace corvalen
