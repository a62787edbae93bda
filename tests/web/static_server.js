// A static file server for the built page folders, on 127.0.0.1 only. The test starts it itself;
// `node static_server.js ROOT [PORT]` serves ROOT for a player (scripts/web --serve).
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.wasm': 'application/wasm',  // the browser compiles it while it streams in only with this type
  '.data': 'application/octet-stream',
  '.png': 'image/png',
};

// Serves root on 127.0.0.1:port (0: any free port); resolves with the server once it listens.
function serve(root, port) {
  const base = path.resolve(root);
  const server = http.createServer((request, response) => {
    let name;
    try {
      name = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    } catch (error) {
      response.writeHead(400).end('Bad request');
      return;
    }
    let file = path.join(base, path.normalize(name));
    if (file !== base && !file.startsWith(base + path.sep)) {
      response.writeHead(403).end('Forbidden');
      return;
    }
    fs.stat(file, (error, stat) => {
      if (!error && stat.isDirectory()) {
        if (!name.endsWith('/')) {
          response.writeHead(301, { Location: name + '/' }).end();
          return;
        }
        file = path.join(file, 'index.html');
      }
      fs.readFile(file, (readError, bytes) => {
        if (readError) {
          response.writeHead(404).end('Not found');
          return;
        }
        response.writeHead(200, {
          'Content-Type': types[path.extname(file)] || 'application/octet-stream',
          'Cache-Control': 'no-cache',
        });
        response.end(bytes);
      });
    });
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(port, '127.0.0.1', () => resolve(server));
  });
}

module.exports = { serve };

if (require.main === module) {
  const root = process.argv[2] || '.';
  const port = Number(process.argv[3] || 8080);
  serve(root, port).then((server) => {
    const { port: bound } = server.address();
    console.log(`Serving ${path.resolve(root)} on http://127.0.0.1:${bound}/ (tarnhook/ and bowling/); Ctrl+C stops.`);
  }, (error) => {
    console.error(`Cannot serve on 127.0.0.1:${port}: ${error.message}`);
    process.exit(1);
  });
}
