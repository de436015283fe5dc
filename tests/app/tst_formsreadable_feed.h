#pragma once

class Controller;
class Model;

// Sends every monitor window, through the signals of the session's sentence handler,
// parser, reader and Model, the longest values a receiver gives: positions in the
// southern and western hemispheres with all their digits, full satellite lists in every
// system with two-band C/No, negative velocities and angles, 460800 baud.
void feedLongestValues(Controller *controller, Model *model);
