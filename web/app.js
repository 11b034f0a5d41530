// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page: it forwards every command, click and key to the C++ drill and
// draws the drill's named elements after each, as the desktop window does.
// All review logic and every text of the review live in the drill.
//
//   menu, tap or key -> drill command (WebAssembly) -> named elements
//                                                   -> page elements, announcer, dialog

import { setUpMenus } from './menus.js';

const $ = (id) => document.getElementById(id);

// Without the drill nothing can work: one sentence instead of dead menus.
function unavailable() {
  $('Picture1').hidden = true;
  document.querySelector('nav').hidden = true;
  $('unavailable').hidden = false;
}

async function loadDrillModule() {
  if (typeof WebAssembly !== 'object') return null;
  try {
    const { default: loadDrill } = await import('./drill.js');
    return await loadDrill();
  } catch {
    return null;
  }
}

// The drill's C functions, with texts turned into JavaScript strings.
function bind(module) {
  const text = (name, ...args) => module.UTF8ToString(module[`_${name}`](...args));
  const names = Array.from({ length: module._tol_element_count() }, (_, i) => text('tol_element_name', i));
  return {
    names,
    run: (command) => module.ccall('tol_command', 'boolean', ['string'], [command]),
    text: (element) => text('tol_element_text', element),
    visible: (element) => Boolean(module._tol_element_visible(element)),
    messageCount: () => module._tol_message_count(),
    message: (i) => ({ title: text('tol_message_title', i), text: text('tol_message_text', i) }),
    about: () => text('tol_about_text'),
    donationUrl: () => text('tol_donation_url'),
    bank: (what, item) => module.UTF8ToString(module.ccall('tol_bank', 'number', ['string', 'number'], [what, item])),
  };
}

function showDialog(title, text, name) {
  const dialog = $('message');
  $('messageTitle').textContent = title;
  $('messageText').textContent = text;
  // A box without a title (About) is named after the command that opened it.
  if (title) {
    dialog.setAttribute('aria-labelledby', 'messageTitle');
    dialog.removeAttribute('aria-label');
  } else {
    dialog.removeAttribute('aria-labelledby');
    dialog.setAttribute('aria-label', name);
  }
  // The focus goes back where it was, unless the browser has done so and a
  // key pressed since has moved it on (the close event comes a task later).
  const returnTo = document.activeElement;
  dialog.addEventListener('close', () => {
    if (document.activeElement === document.body || dialog.contains(document.activeElement)) returnTo?.focus?.();
  }, { once: true });
  dialog.showModal();
}

function start(drill) {
  const shown = new Map(); // element index -> its page element, for the elements the page shows
  drill.names.forEach((name, i) => $(name) && shown.set(i, $(name)));
  const index = (name) => drill.names.indexOf(name);
  let messagesShown = drill.messageCount();
  let titleSpoken = '';

  const reviewButton = () => ['cmdSeq', 'cmdRand'].map($).find((button) => !button.hidden);

  // After every command: the elements as the drill left them, the new card
  // for screen readers (a new section's title with its first question), the
  // focus where the window puts it, and any message the drill showed.
  const announce = (text) => {
    // Emptied first, so that a card with the same text as the last is heard too.
    $('announcer').textContent = '';
    $('announcer').textContent = text;
  };
  const draw = () => {
    const before = { counter: $('lblCounter').textContent, answer: $('lblAnswer').textContent };
    for (const [i, element] of shown) {
      if (element.tagName !== 'IMG') element.textContent = drill.text(i);
      element.hidden = !drill.visible(i);
    }
    const question = drill.text(index('lblQuestion'));
    const answer = drill.text(index('lblAnswer'));
    const title = drill.text(index('lblTitle'));
    if (!question) titleSpoken = ''; // a new review, or none: its first title is heard
    // A question step moves the counter; an answer step fills the empty answer.
    if (question && drill.text(index('lblCounter')) !== before.counter) {
      announce((title !== titleSpoken ? `${title}. ` : '') + question);
      titleSpoken = title;
    } else if (answer && !before.answer) {
      announce(answer);
    }
    const button = reviewButton();
    if (!button) {
      $('Picture1').focus();
    } else if (!question && !answer) {
      button.focus(); // a new review: its START button
    }
    while (messagesShown < drill.messageCount()) {
      const { title: boxTitle, text } = drill.message(messagesShown++);
      showDialog(boxTitle, text, boxTitle);
    }
  };

  const command = (name, source) => {
    switch (name) {
      case 'Exit': // a page cannot close itself: back to the picture
        drill.run('RESET');
        break;
      case 'About':
        showDialog('', drill.about(), source?.textContent ?? name);
        return;
      case 'Donate':
        window.open(drill.donationUrl(), '_blank', 'noopener');
        return;
      default:
        drill.run(name);
    }
    draw();
  };

  setUpMenus($('menubar'), command);
  for (const button of ['cmdSeq', 'cmdRand'].map($))
    button.addEventListener('click', () => command(button.dataset.command));

  // Space and Enter step the review wherever the focus is, as in the window;
  // Ctrl+S, Ctrl+R and Ctrl+Z (where the browser lets the page have them)
  // and plain S, R and Z run the menu commands.
  const letters = { s: 'Sequential', r: 'Random', z: 'RESET' };
  document.addEventListener('keydown', (event) => {
    if ($('message').open || event.altKey || event.metaKey) return;
    const inMenus = Boolean(event.target.closest?.('[role="menubar"]'));
    const key = event.key.toLowerCase();
    if (letters[key] && !event.shiftKey && (event.ctrlKey || !inMenus)) {
      event.preventDefault();
      command(letters[key]);
    } else if ((key === ' ' || key === 'enter') && !event.ctrlKey && !event.repeat && !inMenus) {
      const button = reviewButton();
      if (!button) return;
      event.preventDefault();
      button.click();
    }
  });

  // For the page's tests: the bank the cards come from.
  window.tavrinBank = drill.bank;
  document.body.dataset.ready = 'true';
  performance.mark('tavrin-ready'); // the menus work from here on
}

const module = await loadDrillModule();
if (module) start(bind(module));
else unavailable();

// Offline after the first visit: the service worker keeps every file of the site.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
