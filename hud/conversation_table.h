// The content of every portrait conversation: the lines each shows in each story state,
// the yes/no mission offers, the story changes they make and the scene that follows.
#pragma once

// Runs step `text_queue` of conversation `type`: writes at most one line into text slot 0
// or 1, may change story state, and on its closing step sets text_queue to 101 (end) or
// to 102 with decision 3 (question).
void Conversation_Step(int type);
// The closing effect of conversation `type`: story state and the next episode, scene and
// spawn (next_scene itself is raised by the caller).
void Conversation_Close(int type);
// Whether a conversation id has an entry in the table.
bool Conversation_Known(int type);
