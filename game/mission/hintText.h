// What the mission tells a player who seems stuck in a state.
#pragma once

// The hint of `state`, or null when that state has none.
const wchar_t* hintText(int state);
