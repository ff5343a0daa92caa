#pragma once

// A simulated learner drills a poem through the drill's own code, and the
// figures of its sittings are printed side by side by order.
void LearnerFigures();
