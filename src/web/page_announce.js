'use strict';
// What a screen reader hears after each action of the pupil's, through a polite live region: the
// core's sentence for the action, the same words the desktop windows say.
function createAnnouncer(region) {
  let again = false;
  return {
    // The same sentence twice in a row must still change the region to be read out again.
    say(sentence) {
      again = !again;
      region.textContent = again ? sentence : `${sentence}\u00a0`;
    },
  };
}
