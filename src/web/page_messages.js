'use strict';
// What the page shows instead of the program's own window: the box of a run-time error that
// ends the program, and why the program could not start at all.

function showRunTimeError(title, text) {
  const box = document.createElement('div');
  box.className = 'error-box';
  box.setAttribute('role', 'alertdialog');
  box.setAttribute('aria-modal', 'true');
  box.setAttribute('aria-labelledby', 'error-title');
  box.setAttribute('aria-describedby', 'error-text');
  const content = document.createElement('div');
  const heading = document.createElement('h2');
  heading.id = 'error-title';
  heading.textContent = title;
  const message = document.createElement('p');
  message.id = 'error-text';
  message.textContent = text;
  content.append(heading, message);
  box.append(content);
  document.body.append(box);
}

// Why the page cannot run, over its window, instead of a window that does nothing.
function showStartFailure(text) {
  document.getElementById('start-failure').textContent = text;
  document.documentElement.dataset.failed = 'true';
}

function startFailed(error) {
  showStartFailure(`Морватек не успя да се стартира (${error && error.message ? error.message : error}). `
    + 'Презаредете страницата; ако това не помогне, отворете я в друг браузър.');
}

const noWebAssemblyText = 'Морватек не може да работи: този браузър не поддържа WebAssembly или '
  + 'то е изключено. Отворете страницата в съвременен браузър (Chrome, Edge, Firefox или Safari) '
  + 'с включено WebAssembly.';
