// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: it forwards every command, click and key to the C++ drill and
// draws the drill's named elements after each, as the desktop window does.
// All review logic and every text of the review live in the drill, which
// also says what step each command took; the page focuses and speaks from it.
//
//   menu, tap or key -> drill command (WebAssembly) -> step and named elements
//                                                   -> page elements, announcer, dialogs

import { setUpMenus } from './menus.js';

const $ = (id) => document.getElementById(id);
// A new element with these properties (texts as textContent, never markup) and children.
const element = (tag, properties = {}, ...children) => {
  const made = Object.assign(document.createElement(tag), properties);
  made.append(...children);
  return made;
};

// Without the drill nothing can work: one sentence instead of dead menus.
function unavailable() {
  $('Picture1').hidden = true;
  document.querySelector('nav').remove();
  $('unavailable').hidden = false;
}

// The drill's module, instantiated with the two calls it imports: the clock
// that seeds the random order (microseconds since 1970), and an exit, which
// it never takes.
async function loadDrill() {
  try {
    const imports = {
      env: { tol_clock: () => Math.round((performance.timeOrigin + performance.now()) * 1000) },
      wasi_snapshot_preview1: { proc_exit: () => { throw new Error('exit'); } },
    };
    // Compiled as it downloads; from the whole file where the host does not
    // call it application/wasm.
    const whole = async () => WebAssembly.instantiate(await (await fetch('drill.wasm')).arrayBuffer(), imports);
    const { exports } = (await (WebAssembly.instantiateStreaming
      ? WebAssembly.instantiateStreaming(fetch('drill.wasm'), imports).catch(whole)
      : whole())).instance;
    exports._initialize();
    return exports;
  } catch {
    return null;
  }
}

// The drill's C functions, with texts turned into JavaScript strings and
// back: a text handed in lives in the drill's heap for the one call.
function bind(drill) {
  const decoder = new TextDecoder();
  const encoder = new TextEncoder();
  const string = (at) => {
    if (!at) return '';
    const bytes = new Uint8Array(drill.memory.buffer);
    return decoder.decode(bytes.subarray(at, bytes.indexOf(0, at)));
  };
  const text = (name, ...args) => string(drill[name](...args));
  const withText = (name, value, ...args) => {
    const bytes = encoder.encode(`${value}\0`);
    const at = drill.malloc(bytes.length);
    if (!at) return 0;
    new Uint8Array(drill.memory.buffer).set(bytes, at);
    try {
      return drill[name](at, ...args);
    } finally {
      drill.free(at);
    }
  };
  const names = [];
  for (let name; (name = text('tol_element', names.length, 0));) names.push(name);
  return {
    names,
    run: (command) => string(withText('tol_command', command)),
    text: (element) => text('tol_element', element, 1),
    state: (element) => drill.tol_element_state(element), // 1 shown, 2 checked
    review: () => drill.tol_review_state(), // 1 anything marked to drill, 2 a test running
    setAnswer: (typed) => withText('tol_set_answer', typed),
    sectionLabel: (section) => text('tol_section_label', section),
    chosenSections: () => text('tol_chosen_sections'),
    chooseSections: (flags) => Boolean(withText('tol_choose_sections', flags)),
    phrase: (which) => string(withText('tol_text', which)),
    lookUp: (query) => string(withText('tol_lookup', query)),
    countLine: (shown, query) => string(withText('tol_count_line', query, shown)),
    message: (i, part) => text('tol_message', i, part), // 0 title, 1 text, 2 second button
    bank: (what, item) => string(withText('tol_bank', what, item)),
  };
}

// Opens a modal box; when it closes, the focus goes back where it was, unless
// the browser has done so and a key pressed since has moved it on (the close
// event comes a task later).
function openModal(dialog) {
  const returnTo = document.activeElement;
  dialog.addEventListener('close', () => {
    if (document.activeElement === document.body || dialog.contains(document.activeElement)) returnTo?.focus?.();
  }, { once: true });
  dialog.showModal();
}

// A box with OK and, where `other` is given, a second button whose command
// runs once the box has closed by it.
function showDialog(title, text, name, other = '', onOther = () => {}) {
  const dialog = $('message');
  $('messageTitle').textContent = title;
  $('messageText').textContent = text;
  $('messageOther').textContent = other;
  $('messageOther').hidden = !other;
  dialog.returnValue = '';
  dialog.addEventListener('close', () => { if (dialog.returnValue === 'other') onOther(); }, { once: true });
  // A box without a title (About) is named after the command that opened it.
  if (title) {
    dialog.setAttribute('aria-labelledby', 'messageTitle');
    dialog.removeAttribute('aria-label');
  } else {
    dialog.removeAttribute('aria-labelledby');
    dialog.setAttribute('aria-label', name);
  }
  openModal(dialog);
}

// Begin Review > Sections...: a check box a section; OK hands the choice to
// the drill, which refuses an empty one.
// Built when first opened, so that nothing of it delays the menus.
function setUpSections(drill, afterChoice) {
  const box = $('sectionsBox');
  const list = $('sectionList');
  let inputs = [];
  const build = () => {
    $('sectionsTitle').textContent = drill.phrase('sections-title');
    $('sectionsRefusal').textContent = drill.phrase('no-section');
    for (let label; (label = drill.sectionLabel(inputs.length + 1));) {
      const input = element('input', { type: 'checkbox', id: `section${inputs.length + 1}` });
      list.append(element('li', {}, input, element('label', { htmlFor: input.id, textContent: label })));
      inputs.push(input);
    }
    const setAll = (chosen) => {
      for (const input of inputs) input.checked = chosen;
      $('sectionsRefusal').hidden = true;
    };
    $('sectionsAll').addEventListener('click', () => setAll(true));
    $('sectionsNone').addEventListener('click', () => setAll(false));
    $('sectionsCancel').addEventListener('click', () => box.close());
    $('sectionsForm').addEventListener('submit', (event) => {
      event.preventDefault();
      if (!drill.chooseSections(inputs.map((input) => (input.checked ? '1' : '0')).join(''))) {
        $('sectionsRefusal').hidden = false;
        return;
      }
      box.close();
      afterChoice();
    });
  };
  return () => {
    if (!inputs.length) build();
    [...drill.chosenSections()].forEach((chosen, i) => (inputs[i].checked = chosen === '1'));
    $('sectionsRefusal').hidden = true;
    list.scrollTop = 0;
    openModal(box);
    inputs[0].focus();
  };
}

// File > Look Up...: every limit under its section title, filtered as the
// learner types by the drill's own rule. Built when first opened; the search
// is gone when it closes. Texts from the search go in as text, never markup.
function setUpLookUp(drill) {
  const box = $('lookUpBox');
  const search = $('search');
  // A table per section, titled by its caption, so that the browser may skip
  // laying out the sections off the screen while the learner types.
  const sections = []; // each section's box, with its rows and their items

  const build = () => {
    const headers = [drill.phrase('question-header'), drill.phrase('answer-header')];
    $('lookUpTitle').textContent = drill.phrase('lookup-title');
    $('searchLabel').textContent = drill.phrase('search-label');
    [$('questionHeader').textContent, $('answerHeader').textContent] = headers;
    let section = null;
    for (let item = 1; drill.bank('question', item); item++) { // until the bank has no such item
      const title = drill.bank('title', item);
      if (section?.title !== title) {
        const head = element('thead', { className: 'visually-hidden' },
          element('tr', {}, ...headers.map((text) => element('th', { scope: 'col', textContent: text }))));
        section = { title, body: element('tbody'), items: [] };
        section.box = element('div', { className: 'section' },
          element('table', {}, element('caption', { textContent: title }),
            element('colgroup', {}, element('col'), element('col')), head, section.body));
        $('limits').append(section.box);
        sections.push(section);
      }
      const row = element('tr', {}, ...['question', 'answer'].map((what) => element('td', { textContent: drill.bank(what, item) })));
      section.body.append(row);
      section.items.push([row, item]);
    }
  };
  // Only what changes is touched, so a keystroke lays out no more than it must.
  const filter = () => {
    const shown = drill.lookUp(search.value);
    let count = 0;
    for (const section of sections) {
      let any = false;
      for (const [row, item] of section.items) {
        const hide = shown[item - 1] !== '1';
        if (row.hidden !== hide) row.hidden = hide;
        any ||= !hide;
        count += hide ? 0 : 1;
      }
      if (section.box.hidden === any) section.box.hidden = !any;
    }
    const line = drill.countLine(count, search.value);
    if ($('lookUpCount').textContent !== line) $('lookUpCount').textContent = line; // heard once per change
  };
  // Every way out forgets the search at once: a new look-up may follow
  // before the close event, which comes a task later.
  const closeBox = () => {
    search.value = '';
    delete document.body.dataset.view;
    box.close();
  };
  search.addEventListener('input', filter);
  // Escape closes the table, from the search field too (where it would only empty it).
  search.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape') return;
    event.preventDefault();
    closeBox();
  });
  box.addEventListener('cancel', (event) => {
    event.preventDefault();
    closeBox();
  });
  $('lookUpClose').addEventListener('click', closeBox);
  return () => {
    if (box.open) return search.focus();
    if (!sections.length) {
      build();
      // A first, hidden run of the filter, so that the learner's first
      // keystroke does not pay for compiling it.
      search.value = 'a';
      filter();
    }
    search.value = '';
    filter();
    document.body.dataset.view = 'lookup'; // what a print of the page shows
    openModal(box);
    box.querySelector('.lookup-table').scrollTop = 0;
    search.focus();
  };
}

// The review button on show, if any.
const reviewButton = () => ['cmdSeq', 'cmdRand'].map($).find((button) => !button.hidden);

// The drill bound to the page; gives the function that runs a command.
function start(drill, closeMenus) {
  const shown = new Map(); // element index -> its page element, for the elements the page shows
  drill.names.forEach((name, i) => $(name) && shown.set(i, $(name)));
  const index = (name) => drill.names.indexOf(name);
  const textOf = (name) => drill.text(index(name));
  let messagesShown = 0;
  const announce = (text) => {
    // Emptied first, so that a card with the same text as the last is heard too.
    $('announcer').textContent = '';
    $('announcer').textContent = text;
  };

  // After every command: the elements as the drill left them, the commands
  // that can act now, then the focus and what a screen reader is told, from
  // the step the drill took, and any message the drill showed.
  const draw = (step) => {
    for (const [i, element] of shown) {
      const text = drill.text(i);
      if (element.tagName === 'INPUT') {
        if (element.value !== text) element.value = text;
      } else if (element.tagName !== 'IMG') {
        (element.querySelector('[data-text]') ?? element).textContent = text;
      }
      element.hidden = !(drill.state(i) & 1);
    }
    $('choices').hidden = $('cmdChoice1').hidden;
    $('writeBox').hidden = $('txtAnswer').hidden;
    $('lblVerdict').classList.toggle('wrong', !textOf('lblVerdict').startsWith(rightWord));
    const marked = Boolean(drill.state(index('chkAgain')) & 2);
    $('chkAgain').setAttribute('aria-pressed', String(marked));
    $('Marked').setAttribute('aria-disabled', String(!(drill.review() & 1)));
    $('ReviewAgain').setAttribute('aria-disabled', String($('chkAgain').hidden));
    // A running test is closed-book, and its verdicts set the marks.
    const testRunning = Boolean(drill.review() & 2);
    for (const name of ['LookUp', 'Sections', 'ClearMarks'])
      $(name).setAttribute('aria-disabled', String(testRunning));
    // A choice or the field that had the focus is gone: the button steps on.
    if (document.activeElement?.closest?.('[hidden]')) reviewButton()?.focus();
    switch (step) {
      case 'idle':
        $('Picture1').focus();
        break;
      case 'ready':
        reviewButton()?.focus();
        break;
      case 'new-section':
        announce(`${textOf('lblTitle')}. ${textOf('lblQuestion')}`);
        if (!$('txtAnswer').hidden) $('txtAnswer').focus();
        break;
      case 'question':
        announce(textOf('lblQuestion'));
        if (!$('txtAnswer').hidden) $('txtAnswer').focus();
        break;
      case 'verdict':
        announce(drill.phrase('verdict'));
        break;
      case 'answer':
      case 'end':
        announce(textOf('lblVerdict') ? drill.phrase('verdict') : textOf('lblAnswer'));
        break;
      case 'mark':
        announce(drill.phrase(marked ? 'marked' : 'not-marked'));
        break;
    }
    for (let text; (text = drill.message(messagesShown, 1)); messagesShown++) {
      const boxTitle = drill.message(messagesShown, 0);
      showDialog(boxTitle, text, boxTitle, drill.message(messagesShown, 2), () => command('TestTheMisses'));
    }
  };

  const rightWord = drill.phrase('right');
  $('yourAnswer').textContent = drill.phrase('your-answer');
  $('choices').setAttribute('aria-label', drill.phrase('choices-label'));
  const openSections = setUpSections(drill, () => draw('none'));
  const openLookUp = setUpLookUp(drill);
  const command = (name, source) => {
    closeMenus(); // a command by key or by tap leaves no menu open over the card
    const item = $(name === 'RESET' ? 'FileReset' : name);
    if (item?.getAttribute('role') === 'menuitem' && item.getAttribute('aria-disabled') === 'true') return;
    if (name === 'Check' || name === 'cmdRandClick') drill.setAnswer($('txtAnswer').value);
    switch (name) {
      case 'Exit': // a page cannot close itself: back to the picture
        draw(drill.run('RESET'));
        return;
      case 'About':
        showDialog('', drill.phrase('about'), source?.textContent ?? name);
        return;
      case 'Donate':
        window.open(drill.phrase('donation-url'), '_blank', 'noopener');
        return;
      case 'Sections':
        openSections();
        return;
      case 'LookUp':
        openLookUp();
        return;
      default:
        draw(drill.run(name));
    }
  };

  // For the page's tests: the bank the cards come from.
  window.tavrinBank = drill.bank;
  document.body.dataset.ready = 'true';
  performance.mark('tavrin-ready'); // the drill runs from here on
  return command;
}

// The review's buttons and keys, each of which gives `command` a name.
function setUpInput(command) {
  for (const button of ['cmdSeq', 'cmdRand', 'chkAgain', 'cmdCountRight', 'cmdChoice1', 'cmdChoice2',
    'cmdChoice3', 'cmdChoice4'].map($))
    button.addEventListener('click', () => command(button.dataset.command));

  // Space and Enter step the review wherever the focus is (the review-again
  // button included: they never undo a mark), as in the window; a held key
  // steps once. Ctrl+S, Ctrl+R, Ctrl+M and Ctrl+Z (where the browser lets the
  // page have them) and plain S, R, M, Z and A run the menu commands.
  // The test: C and W start one, 1 to 4 choose, O counts a written answer right.
  const letters = { s: 'Sequential', r: 'Random', m: 'Marked', z: 'RESET', a: 'ReviewAgain',
    c: 'ChooseTheAnswer', w: 'WriteTheAnswer' };
  const plainKeys = { 1: 'cmdChoice1', 2: 'cmdChoice2', 3: 'cmdChoice3', 4: 'cmdChoice4', o: 'cmdCountRight' };
  let stepKeyDown = false;
  document.addEventListener('keydown', (event) => {
    if (document.querySelector('dialog[open]') || event.altKey || event.metaKey) return;
    // The written answer's field takes every key as a text field does;
    // Enter checks, and never also steps.
    if (event.target === $('txtAnswer')) {
      if (event.key === 'Enter') {
        event.preventDefault();
        stepKeyDown = true;
        if (!event.repeat) command('Check');
      }
      return;
    }
    const plain = plainKeys[event.key.toLowerCase()];
    if (plain && !event.ctrlKey && !event.shiftKey && !event.target.closest?.('[role="menubar"]')) {
      if (!$(plain).hidden && !event.repeat) {
        event.preventDefault();
        $(plain).click();
      }
      return;
    }
    const inMenus = Boolean(event.target.closest?.('[role="menubar"]'));
    const key = event.key.toLowerCase();
    if (key === '/' && !event.ctrlKey) { // browsers keep Ctrl+L and Ctrl+F for themselves
      event.preventDefault();
      command('LookUp');
      return;
    }
    if (letters[key] && !event.shiftKey && (event.ctrlKey ? 'srmz'.includes(key) : !inMenus)) {
      event.preventDefault();
      if (!event.repeat && $(letters[key] === 'RESET' ? 'FileReset' : letters[key]).getAttribute('aria-disabled') !== 'true')
        command(letters[key]);
    } else if ((key === ' ' || key === 'enter') && !event.ctrlKey && !inMenus) {
      const button = reviewButton();
      if (!button) return;
      event.preventDefault();
      stepKeyDown = true;
      if (!event.repeat) button.click();
    }
  });
  // A button with the focus acts on Space's release: not after a step.
  document.addEventListener('keyup', (event) => {
    if (event.key === ' ' && stepKeyDown) event.preventDefault();
    if (event.key === ' ' || event.key === 'Enter') stepKeyDown = false;
  });
}

// The menus and keys answer at once; the drill is fetched once the picture
// is in, so that on a slow link its bytes do not hold the picture back. A
// command given before the drill has come runs when it comes.
if (typeof WebAssembly !== 'object') {
  unavailable();
} else {
  const early = [];
  let run = (name, source) => early.push([name, source]);
  const closeMenus = setUpMenus($('menubar'), (name, source) => run(name, source));
  setUpInput((name) => run(name));
  document.querySelector('nav').hidden = false;
  performance.mark('tavrin-menus'); // the menus answer from here on
  // The picture's bytes in, or refused (not its decoding, which a browser
  // may put off in a tab out of sight).
  const picture = $('Picture1');
  if (!picture.complete) await new Promise((resolve) => (picture.onload = picture.onerror = resolve));
  // Then its frame drawn, so that the drill's start does not hold it back
  // (a tab out of sight draws none: a moment, then on).
  await new Promise((resolve) => {
    requestAnimationFrame(() => setTimeout(resolve));
    setTimeout(resolve, 100);
  });
  const drill = await loadDrill();
  if (drill) {
    run = start(bind(drill), closeMenus);
    for (const [name, source] of early) run(name, source);
  } else {
    unavailable();
  }
}

// Offline after the first visit: the service worker keeps every file of the site.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
