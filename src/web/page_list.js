'use strict';
// A list box of the page (the digits): drawn from the model's items and selection, and its
// clicks and keys passed on to the model's own entry points. `send` runs an action on the core
// once it runs, in order.

// The page is written only where it differs from the model, so that one action of the pupil's
// touches each element at most once.
function setAttributeIfChanged(element, name, value) {
  if (element.getAttribute(name) !== value) {
    element.setAttribute(name, value);
  }
}

function showList(core, list, number, readText) {
  const count = core._mv_list_count(number);
  const items = [];
  for (let i = 0; i < count; ++i) {
    items.push(readText(core._mv_list_item(number, i), core._mv_list_item_length(number, i)));
  }
  const shown = [...list.children].map((item) => item.textContent);
  if (shown.join('\n') !== items.join('\n') || shown.length !== items.length) {
    list.replaceChildren(...items.map((text, i) => {
      const item = document.createElement('div');
      item.setAttribute('role', 'option');
      item.id = `${list.id}-item${i}`;
      item.textContent = text;
      return item;
    }));
  }
  const selected = core._mv_list_index(number);
  [...list.children].forEach((item, i) => setAttributeIfChanged(item, 'aria-selected', String(i === selected)));
  if (selected >= 0) {
    setAttributeIfChanged(list, 'aria-activedescendant', list.children[selected].id);
  } else {
    list.removeAttribute('aria-activedescendant');
  }
  const enabled = core._mv_list_enabled(number) === 1;
  setAttributeIfChanged(list, 'aria-disabled', String(!enabled));
  setAttributeIfChanged(list, 'tabindex', enabled ? '0' : '-1');
  list.hidden = core._mv_list_visible(number) !== 1;
}

function listItemOf(event) {
  const item = event.target.closest('[role="option"]');
  return item ? [...item.parentElement.children].indexOf(item) : -1;
}

function listRowsPerPage(list) {
  const row = list.firstElementChild ? list.firstElementChild.offsetHeight : 0;
  return row > 0 ? Math.max(1, Math.floor(list.clientHeight / row)) : 1;
}

const listKeys = {
  ArrowUp: (core, n) => core._mv_list_move_by(n, -1),
  ArrowLeft: (core, n) => core._mv_list_move_by(n, -1),
  ArrowDown: (core, n) => core._mv_list_move_by(n, 1),
  ArrowRight: (core, n) => core._mv_list_move_by(n, 1),
  PageUp: (core, n, list) => core._mv_list_move_by(n, -listRowsPerPage(list)),
  PageDown: (core, n, list) => core._mv_list_move_by(n, listRowsPerPage(list)),
  Home: (core, n) => core._mv_list_move_to_first(n),
  End: (core, n) => core._mv_list_move_to_last(n),
  ' ': (core, n) => core._mv_list_reenter(n),
  Enter: (core, n) => core._mv_list_reenter(n),
};

function wireList(list, number, send) {
  // Every click on an item is a click, the selected item and the second click of a double
  // click included.
  list.addEventListener('mousedown', (event) => {
    event.preventDefault();
    if (list.getAttribute('aria-disabled') !== 'true') {
      list.focus();
    }
  });
  list.addEventListener('click', (event) => {
    const item = listItemOf(event);
    if (item >= 0) {
      send((core) => core._mv_list_click(number(), item));
    }
  });
  list.addEventListener('keydown', (event) => {
    if (event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    const action = listKeys[event.key];
    const character = event.key.charCodeAt(0);
    if (action) {
      send((core) => action(core, number(), list));
    } else if (event.key.length === 1) {
      send((core) => core._mv_list_type(number(), character));
    } else {
      return;
    }
    event.preventDefault();
  });
}
