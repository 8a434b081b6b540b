// The unit animation chain: chooses a unit's animation from its state and facing, and its
// footstep sounds. Until the chain is filled in, the footstep keeps its plain sound and the
// choice of animation does nothing.
#pragma once

// Chooses and starts the animation of unit loop. The four flags are accepted and ignored.
void Animation_System(int loop, bool bullet_check, bool interrupt, bool pain_anim, bool fire);
// Raises the footstep sound of a walking unit.
void Play_Footstep(int loop);
