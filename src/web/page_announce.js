'use strict';
// What a screen reader hears after each action of the pupil's, through a polite live region: the
// digit entered (the same digit again too), the base chosen, the result of "Изчисли", a cleared
// entry. The page tells it which elements the action changed; when the action is over it reads
// them and says one sentence.
function createAnnouncer(region) {
  const changed = new Set();
  let again = false;

  const lastLine = (text) => text.slice(text.lastIndexOf('\n') + 1);

  function sentence() {
    const transcript = document.getElementById('Text1_0').value;
    const entry = document.getElementById('Text2').value;
    const chosen = document.querySelector('[role="radio"][aria-checked="true"]');
    if (changed.has('Text1_0')) {
      return transcript ? `Резултат: ${lastLine(transcript)}` : 'Въведеното число и резултатът са изтрити.';
    }
    if (chosen && [...changed].some((id) => id.startsWith('Option1_'))) {
      return `Избрана бройна система: ${chosen.textContent}.`;
    }
    if (changed.has('Text2')) {
      return entry ? `Цифра ${entry.at(-1)}, въведени ${entry.length}.` : 'Въведеното число е изтрито.';
    }
    return '';
  }

  // The same sentence twice in a row must still change the region to be read out again.
  function flush() {
    const text = sentence();
    changed.clear();
    if (text) {
      again = !again;
      region.textContent = again ? text : `${text}\u00a0`;
    }
  }

  return {
    note(id) {
      if (changed.size === 0) {
        queueMicrotask(flush);
      }
      changed.add(id);
    },
  };
}
