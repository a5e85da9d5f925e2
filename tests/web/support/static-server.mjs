// A static web server for one file on 127.0.0.1, which logs every request it gets.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { basename } from 'node:path';

export async function serveFile(path) {
    const body = await readFile(path);
    const name = `/${basename(path)}`;
    const requests = [];
    const server = createServer((request, response) => {
        requests.push(request.url);
        if (request.url === name) {
            response.writeHead(200, { 'Content-Type': 'text/html; charset=utf-8' });
            response.end(body);
        } else {
            response.writeHead(404);
            response.end();
        }
    });
    await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
    return {
        url: `http://127.0.0.1:${server.address().port}${name}`,
        requests,
        // The browser keeps its connection open; closing only the listener would wait for the browser.
        close: () => {
            server.closeAllConnections();
            return new Promise((resolve) => server.close(resolve));
        },
    };
}
