'use strict';
// The page's side of the program: it shows each control as the model has it, following the
// model's change notifications, and passes the pupil's clicks and keys to the model's own entry
// points. No state of its own: every number and text comes from the core. The window's markup
// is drawn before the core starts; what the pupil does meanwhile waits for it, in order.
(() => {
  let windowElement = null;
  let core = null;
  const names = [];
  let defaultOptionStop = null;
  let announcer = null;
  let started = false;
  const waiting = [];

  // Runs an action of the pupil's on the core, or keeps it until the core runs: each once.
  function act(action) {
    if (started) {
      action();
    } else {
      waiting.push(action);
    }
  }

  function readText(pointer, length) {
    return String.fromCharCode(...core.HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length));
  }

  function controlNumber(element) {
    return names.indexOf(element.id);
  }

  // One Tab stop for the group: the marked button, or the group's first in the tab order. The
  // markup stands in the designed Tab order, aria-owns gives the reading order.
  function showOptionMarks() {
    const options = [...document.querySelectorAll('[role="radio"]')];
    for (const option of options) {
      setAttributeIfChanged(option, 'aria-checked',
        String(core._mv_option_value(controlNumber(option)) === 1));
    }
    const marked = options.find((option) => option.getAttribute('aria-checked') === 'true');
    for (const option of options) {
      setAttributeIfChanged(option, 'tabindex', option === (marked || defaultOptionStop) ? '0' : '-1');
    }
  }

  function show(number) {
    const element = document.getElementById(names[number]);
    if (!element) {
      return; // a control that lives in the model only
    }
    if (element.getAttribute('role') === 'listbox') {
      showList(core, element, number, readText);
    } else if (element.getAttribute('role') === 'radio') {
      showOptionMarks();
    } else if ('value' in element) {
      const text = readText(core._mv_text(number), core._mv_text_length(number));
      if (element.value !== text) {
        element.value = text;
        if (started && element.tagName === 'TEXTAREA') {
          element.scrollIntoView({ block: 'nearest' }); // on a phone, below the buttons
        }
      }
      if (element.tagName === 'INPUT') {
        element.scrollLeft = element.scrollWidth; // the newest digit in view, as after typing
      }
    }
  }

  // The arrow keys move to the next button down or up the window and mark it; Space marks the
  // focused one. The buttons never mark themselves: the model does.
  function wireOptions(group) {
    for (const option of group.querySelectorAll('[role="radio"]')) {
      option.addEventListener('click', () => act(() => core._mv_option_select(controlNumber(option))));
      option.addEventListener('keydown', (event) => {
        const step = { ArrowDown: 1, ArrowRight: 1, ArrowUp: -1, ArrowLeft: -1 }[event.key];
        if (event.key === ' ') {
          act(() => core._mv_option_select(controlNumber(option)));
        } else if (step) {
          act(() => {
            const next = core._mv_option_move_by(controlNumber(option), step);
            document.getElementById(names[next])?.focus();
          });
        } else {
          return;
        }
        event.preventDefault();
      });
    }
  }

  // As the program would end: the window takes no further events.
  function endProgram() {
    windowElement.inert = true;
    document.documentElement.dataset.ended = 'true';
  }

  // The controls take the pupil's clicks and keys from the moment they are drawn.
  function wire() {
    windowElement = document.querySelector('.window');
    defaultOptionStop = document.querySelector('[role="radio"]:not([tabindex="-1"])');
    announcer = createAnnouncer(document.getElementById('announcer'));
    for (const list of document.querySelectorAll('[role="listbox"]')) {
      wireList(list, () => controlNumber(list), (action) => act(() => action(core)));
    }
    wireOptions(document.querySelector('[role="radiogroup"]'));
    for (const button of document.querySelectorAll('button')) {
      button.addEventListener('click', () => act(() => core._mv_press(controlNumber(button))));
    }
  }

  function start(module) {
    core = module;
    for (let i = 0; i < core._mv_control_count(); ++i) {
      names.push(asciiAt(core._mv_control_name(i)));
    }
    if (core._mv_start() === 0) {
      names.forEach((name, number) => show(number));
    }
    started = true;
    waiting.splice(0).forEach((action) => action());
    performance.mark('morvatek-started');
    if (core._mv_test_forget_base) {
      window.morvatekTestHooks = { forgetBase: () => core._mv_test_forget_base() };
    }
    requestAnimationFrame(() => {
      document.documentElement.dataset.ready = 'true';
      performance.mark('morvatek-interactive');
    });
  }

  function asciiAt(pointer) {
    let text = '';
    for (let at = pointer; core.HEAPU8[at] !== 0; ++at) {
      text += String.fromCharCode(core.HEAPU8[at]);
    }
    return text;
  }

  if (typeof WebAssembly !== 'object') {
    showStartFailure(noWebAssemblyText);
    return;
  }
  wire();
  // The core is decoded, compiled and started after the window's first frame: only this much
  // deferral lets every browser draw the window first. It compiles at once then, so that it
  // takes the pupil's actions from the next frame on.
  requestAnimationFrame(() => requestAnimationFrame(() => setTimeout(() => {
    try {
      const made = createMorvatek({
        onControlChanged: (number) => core && names.length && show(number),
        onRunTimeError: showRunTimeError,
        onProgramEnd: endProgram,
        onAnnouncement: (sentence) => announcer && announcer.say(sentence),
        readText,
      });
      if (typeof made.then === 'function') {
        made.then(start).catch(startFailed);
      } else {
        start(made);
      }
    } catch (error) {
      startFailed(error);
    }
  })));
})();
