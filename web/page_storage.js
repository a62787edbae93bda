// The page's storage: the per-user folder the program writes its options and save games to (the home
// folder of the browser's file system) lives in IndexedDB. It is read back before the program starts
// and written out after every change to it. Storage that fails or is refused is reported in the page
// (Module.reportStorage) and the game goes on; what it writes then lasts until the page closes.
var Module = typeof Module !== 'undefined' ? Module : {};
Module.preRun = Module.preRun || [];
Module.preRun.push(function () {
  var home = '/home/web_user';
  var report = Module.reportStorage || function (text) { console.warn(text); };
  var kept = true;
  // While the saved files are read back, the file system's own writes are no changes to write out.
  var readingBack = true;
  var lost = function (what, error) {
    kept = false;
    report(what + ' (' + error + '). The game goes on, but options and saved games last only until ' +
           'this page closes.');
  };
  try {
    FS.mkdirTree(home);
    FS.mount(IDBFS, {}, home);
  } catch (error) {
    lost('This browser gives the game no storage', error);
    return;
  }
  // A storage that never answers (a permission prompt left open) must not keep the game from starting.
  var started = false;
  var start = function () {
    readingBack = false;
    if (started) return;
    started = true;
    removeRunDependency('page-storage');
  };
  addRunDependency('page-storage');
  var patience = setTimeout(function () {
    lost('The browser\'s storage does not answer', 'no reply in 10 seconds');
    start();
  }, 10000);
  try {
    FS.syncfs(true, function (error) {
      clearTimeout(patience);
      if (error) lost('The saved options and games cannot be read from this browser\'s storage', error);
      start();
    });
  } catch (error) {
    clearTimeout(patience);
    lost('The saved options and games cannot be read from this browser\'s storage', error);
    start();
  }

  // Every finished write, rename or removal under the home folder is written out, once per burst.
  var writing = false;
  var again = false;
  var writeOut = function () {
    if (!kept) return;
    if (writing) { again = true; return; }
    writing = true;
    FS.syncfs(false, function (error) {
      writing = false;
      if (error) { lost('The game cannot write to this browser\'s storage', error); return; }
      if (again) { again = false; writeOut(); }
    });
  };
  var scheduled = false;
  var changed = function (path) {
    if (!kept || readingBack || typeof path !== 'string' || path.indexOf(home + '/') !== 0 || scheduled) return;
    scheduled = true;
    setTimeout(function () { scheduled = false; writeOut(); }, 0);
  };
  var close = FS.close;
  FS.close = function (stream) {
    var wrote = stream && (stream.flags & 3) !== 0;
    var result = close.apply(this, arguments);
    if (wrote) changed(stream.path);
    return result;
  };
  ['rename', 'unlink', 'rmdir', 'mkdir'].forEach(function (name) {
    var original = FS[name];
    FS[name] = function (path) {
      var result = original.apply(this, arguments);
      changed(path);
      return result;
    };
  });
  Module.storageKept = function () { return kept; };
});
