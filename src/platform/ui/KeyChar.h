#pragma once

#include "Events.h"

#include <QChar>

#include <memory>
#include <optional>

class QKeyEvent;

namespace KeyChar {

// The character a key press types, as key handlers see it: printable text, and Enter (CR), Backspace
// (BS), Escape (ESC) and Ctrl+letter as control characters. Tab, Alt combinations and keys that type
// nothing (arrows, function keys) have none.
std::optional<QChar> of(const QKeyEvent& event);

// A key press that types `key` instead, with the original's modifiers and repeat state.
std::unique_ptr<QKeyEvent> replacement(const QKeyEvent& original, QChar key);

enum class Outcome { Deliver, Swallow, Replace };
struct Filtered {
    Outcome outcome = Outcome::Deliver;
    std::unique_ptr<QKeyEvent> event;  // set for Replace
};

// Runs a key handler on a key press, guarded: a handler that fails swallows the key.
Filtered run(const TKeyPressEvent& handler, QObject* sender, const QKeyEvent& event);

}  // namespace KeyChar
