// The form view: written in a later step.
