// Turns the recorded key and mouse states into game actions, once per frame.
#pragma once

class EventReceiver;

void process_input(EventReceiver* evRec);

// Whether the player asked for the next weapon this frame: a new press of A, or a wheel movement
// (the wheel sum is consumed, so one movement asks once).
bool askedToSwitchArma(EventReceiver* evRec);
