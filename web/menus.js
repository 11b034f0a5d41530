// SPDX-FileCopyrightText: 2026 The TAVRIN OPS LIMITS developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar, by the WAI-ARIA menu bar pattern: one tab stop, arrows
// across the bar and down the menus, Enter or Space to choose, Escape to
// close; by touch or mouse, a tap opens a menu and a tap chooses. A chosen
// item's data-command goes to onCommand; an item with aria-disabled does
// nothing. A menu that would reach past the screen's edge opens toward the
// inside. Returns the function that closes every menu.

const items = (menu) => [...menu.querySelectorAll(':scope > li > [role="menuitem"]')];
const submenuOf = (item) => item.parentElement.querySelector(':scope > [role="menu"]');
const parentItemOf = (menu) => menu.parentElement.querySelector(':scope > [role="menuitem"]');

export function setUpMenus(menubar, onCommand) {
  const top = items(menubar);
  let focusBefore = null; // where the focus was before a menu opened: it goes back there

  // The open menus, outer first: each toward the inside where the screen's
  // side is near, and the outer one scrolling where it would reach below the
  // screen (a phone held sideways), its inner ones drawn within it there.
  const place = () => {
    const { clientWidth, clientHeight } = document.documentElement;
    const menus = [...menubar.querySelectorAll('[role="menu"]:not([hidden])')];
    for (const menu of menus) {
      menu.classList.remove('inward', 'scrolls');
      menu.style.maxHeight = '';
      if (menu.getBoundingClientRect().right > clientWidth) menu.classList.add('inward');
    }
    const outer = menus[0]?.getBoundingClientRect();
    if (outer && outer.bottom > clientHeight) {
      menus[0].classList.add('scrolls');
      menus[0].style.maxHeight = `${clientHeight - outer.top}px`;
    }
  };
  const open = (item) => {
    const menu = submenuOf(item);
    if (!menu) return null;
    item.setAttribute('aria-expanded', 'true');
    menu.hidden = false;
    place();
    return menu;
  };
  const close = (menu) => {
    for (const inner of menu.querySelectorAll('[role="menu"]')) close(inner);
    menu.hidden = true;
    parentItemOf(menu).setAttribute('aria-expanded', 'false');
  };
  const closeAll = () => {
    for (const item of top) if (submenuOf(item)) close(submenuOf(item));
  };
  const focusTop = (item) => {
    for (const other of top) other.tabIndex = other === item ? 0 : -1;
    item.focus();
  };
  const openTop = (item, focusLast = false) => {
    if (!menubar.contains(document.activeElement)) focusBefore = document.activeElement;
    closeAll();
    focusTop(item);
    const menu = open(item);
    const list = items(menu);
    list[focusLast ? list.length - 1 : 0].focus();
  };
  const choose = (item) => {
    if (submenuOf(item)) {
      items(open(item))[0].focus();
      return;
    }
    if (item.getAttribute('aria-disabled') === 'true') return;
    const topItem = item.closest('[role="menubar"] > li').firstElementChild;
    closeAll();
    focusTop(topItem);
    if (focusBefore && focusBefore !== document.body && focusBefore.isConnected) focusBefore.focus();
    focusBefore = null;
    onCommand(item.dataset.command, item);
  };

  // A tap or a click focuses the menu bar before it opens a menu: remember
  // where the focus was first.
  menubar.addEventListener('pointerdown', () => {
    if (!menubar.contains(document.activeElement)) focusBefore = document.activeElement;
  });

  menubar.addEventListener('click', (event) => {
    const item = event.target.closest('[role="menuitem"]');
    if (!item) return;
    if (top.includes(item)) {
      const wasOpen = item.getAttribute('aria-expanded') === 'true';
      closeAll();
      if (!wasOpen) openTop(item);
    } else {
      choose(item);
    }
  });

  menubar.addEventListener('keydown', (event) => {
    const item = event.target.closest('[role="menuitem"]');
    if (!item) return;
    const inBar = top.includes(item);
    const menu = item.closest('[role="menu"]');
    const siblings = inBar ? top : items(menu);
    const index = siblings.indexOf(item);
    const topIndex = top.indexOf(item.closest('[role="menubar"] > li').firstElementChild);
    const nextTop = (step) => top[(topIndex + step + top.length) % top.length];
    let handled = true;
    switch (event.key) {
      case 'ArrowRight':
        if (!inBar && submenuOf(item)) choose(item);
        else if (inBar) focusTop(nextTop(1));
        else openTop(nextTop(1));
        break;
      case 'ArrowLeft':
        if (inBar) focusTop(nextTop(-1));
        else if (menu.parentElement.closest('[role="menu"]')) {
          close(menu);
          parentItemOf(menu).focus();
        } else openTop(nextTop(-1));
        break;
      case 'ArrowDown':
        if (inBar) openTop(item);
        else siblings[(index + 1) % siblings.length].focus();
        break;
      case 'ArrowUp':
        if (inBar) openTop(item, true);
        else siblings[(index - 1 + siblings.length) % siblings.length].focus();
        break;
      case 'Home':
        (inBar ? focusTop : (i) => i.focus())(siblings[0]);
        break;
      case 'End':
        (inBar ? focusTop : (i) => i.focus())(siblings[siblings.length - 1]);
        break;
      case 'Enter':
      case ' ':
        if (inBar) openTop(item);
        else choose(item);
        break;
      case 'Escape':
        if (inBar) {
          handled = false;
        } else {
          close(menu);
          parentItemOf(menu).focus();
        }
        break;
      case 'Tab':
        closeAll();
        handled = false;
        break;
      default:
        handled = false;
    }
    if (handled) {
      event.preventDefault();
      event.stopPropagation();
    }
  });

  // A window made narrow or a phone turned: open menus placed again, outer first.
  addEventListener('resize', place);

  // A tap or click anywhere else closes the menus.
  document.addEventListener('pointerdown', (event) => {
    if (!menubar.contains(event.target)) closeAll();
  });
  return closeAll;
}
