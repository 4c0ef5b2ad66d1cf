// Termination requests (SIGTERM, SIGINT) while a message box is up: a signal alone does not end
// the box's wait for an answer, so a desktop that logs out would find the game stuck until
// someone answered it. The box asks TerminationRequested as it waits.
#pragma once

namespace murk::sdl {

// Chains a handler after SDL's own for SIGTERM and SIGINT; call after SDL_Init. SDL's handler
// still turns the request into a quit event. Stop before SDL_Quit, so SDL can restore its own.
void StartTerminationWatch();
void StopTerminationWatch();

// True once the program was asked to end.
bool TerminationRequested();

}  // namespace murk::sdl
