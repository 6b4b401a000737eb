// The page's own words in both languages; everything the engine reports is worded
// by the texts module inside engine.js.
var VelmoraWords = {
  ru: {
    language: 'Язык', core: 'Сердечник', totals: 'Итоги', wire: 'Используем провод',
    calculate: 'Рассчитать', load: 'Загрузить', save: 'Сохранить', saveReport: 'Сохранить в файле',
    help: 'Справка', about: 'О программе', fill: 'Диаграмма заполнения окна обмотками',
    comment: 'Комментарий', primary: 'Первичная обмотка', secondary: 'Вторичная обмотка ',
    bobbinWidth: 'Ширина каркаса, мм', bobbinHeight: 'Высота каркаса, мм',
    ringD: 'D, мм', ringd: 'd, мм', ringH: 'H, мм',
    ringDHint: 'Внешний диаметр кольца', ringdHint: 'Внутренний диаметр кольца', ringHHint: 'Высота кольца',
    steelLs: 'Ls, мм', steelHs: 'Hs, мм', steelLok: 'Lok, мм', steelHok: 'Hok, мм',
    steelLsHint: 'Ширина стали', steelHsHint: 'Высота стали', steelLokHint: 'Ширина окна',
    hole: 'Полностью дырку от бублика нельзя занимать!', noFit: 'не помещается',
    aboutText: 'Velmora 3.8 — расчёт сетевых трансформаторов питания.\nСтраница считает тем же расчётным ядром, что и программа.',
    warning: 'Внимание!'
  },
  en: {
    language: 'Language', core: 'Core', totals: 'Totals', wire: 'Wire',
    calculate: 'Calculate', load: 'Open', save: 'Save', saveReport: 'Save report',
    help: 'Help', about: 'About', fill: 'How the windings fill the core window',
    comment: 'Comment', primary: 'Primary winding', secondary: 'Secondary winding ',
    bobbinWidth: 'Bobbin width, mm', bobbinHeight: 'Bobbin height, mm',
    ringD: 'D, mm', ringd: 'd, mm', ringH: 'H, mm',
    ringDHint: 'Outer diameter of the ring', ringdHint: 'Inner diameter of the ring', ringHHint: 'Height of the ring',
    steelLs: 'Ls, mm', steelHs: 'Hs, mm', steelLok: 'Lok, mm', steelHok: 'Hok, mm',
    steelLsHint: 'Width of the steel', steelHsHint: 'Height of the steel', steelLokHint: 'Width of the window',
    hole: 'The hole of the ring cannot be filled completely!', noFit: 'does not fit',
    aboutText: 'Velmora 3.8 — mains power transformer design.\nThe page calculates with the same engine as the program.',
    warning: 'Warning!'
  }
};
